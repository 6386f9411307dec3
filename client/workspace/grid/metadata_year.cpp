#include "metadata_year.h"

#include <algorithm>

namespace vexo::grid {

std::optional<int> metadataYear(int table, int year) {
    if (year > 2012) {
        if (table <= 349) return std::nullopt;
        return std::clamp(year, 2013, 2019);
    }
    if (table <= 399) return std::nullopt;
    if (year == 2012) return 2012;
    if (year >= 2008) return year;
    return 2007;
}

QString metadataYearCondition(int table, int year) {
    const std::optional<int> god = metadataYear(table, year);
    return god ? QStringLiteral(" and god=") + QString::number(*god) : QString();
}

}  // namespace vexo::grid
