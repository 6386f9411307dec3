// Monthly tables: infections of urban (table 7) or rural (table 9) residents,
// and births and deaths of the districts (table 8).

#include "demo_prng.h"
#include "demo_tables.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace vexo::demo::detail {

namespace {

std::string monthCode(int month) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02d", month);
    return buf;
}

struct Disease {
    double perMonth;  // cases a month at the reference size, before the season
    double children;  // share of children
    double admitted;  // share hospitalised
    std::array<double, 12> season;
};

// Rows 01-05: influenza, respiratory infections, chickenpox, intestinal infections, pneumonia.
const std::array<Disease, 5> kDiseases = {{
    {5, 0.4, 0.05, {3.0, 3.5, 2.0, 0.8, 0.3, 0.1, 0.1, 0.1, 0.2, 0.5, 1.0, 2.0}},
    {120, 0.5, 0.01, {1.6, 1.7, 1.4, 1.1, 0.8, 0.5, 0.4, 0.5, 0.9, 1.2, 1.4, 1.5}},
    {6, 0.9, 0.01, {1.0, 1.1, 1.3, 1.4, 1.3, 0.9, 0.5, 0.4, 0.7, 1.0, 1.1, 1.1}},
    {8, 0.5, 0.15, {0.6, 0.6, 0.7, 0.8, 1.0, 1.4, 1.7, 1.7, 1.3, 0.9, 0.7, 0.6}},
    {4, 0.2, 0.6, {1.5, 1.5, 1.3, 1.0, 0.8, 0.6, 0.5, 0.5, 0.7, 1.0, 1.2, 1.4}},
}};

void addInfectionsTable(DemoData& data, const Institution& in, DemoPrng& g) {
    const int table = in.urban ? 7 : 9;
    const double size = static_cast<double>(in.visits > 0 ? in.visits : in.staff * 150) / 20000.0;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (size_t d = 0; d < kDiseases.size(); ++d) {
                const Disease& disease = kDiseases[d];
                const long long cases =
                    std::llround(disease.perMonth * disease.season[month - 1] * size * g.real(0.8, 1.2));
                const double children = in.childrenOnly ? 1.0 : disease.children;
                DataRow& row = data.add(table, in.code, monthCode(month), year, rowCode(static_cast<int>(d) + 1));
                put(row, "n3", units(cases));
                put(row, "n4", units(std::llround(static_cast<double>(cases) * children)));
                put(row, "n5", units(std::llround(static_cast<double>(cases) * disease.admitted)));
            }
}

// Births and deaths of the district the central hospital serves; the
// regional hospital reports the regional centre. Deaths outnumber births, so
// the natural increase is negative.
void addBirthsTable(DemoData& data, const Institution& in, DemoPrng& g) {
    const double births = in.urban ? 380.0 : g.real(35.0, 60.0);
    const double deaths = births * g.real(1.3, 1.6);
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 1; month <= 12; ++month) {
            const double winter = (month <= 2 || month == 12) ? 1.15 : 1.0;
            const long long born = std::llround(births * g.real(0.85, 1.15));
            const long long died = std::llround(deaths * winter * g.real(0.85, 1.15));
            const long long infants = std::llround(static_cast<double>(born) * g.real(0.0, 0.008));
            DataRow& row = data.add(8, in.code, monthCode(month), year, rowCode(1));
            put(row, "n1", units(born));
            put(row, "n2", units(died));
            put(row, "n3", units(infants));
            put(row, "n4", units(born - died));
        }
}

}  // namespace

void addMonthlyTables(DemoData& data, const Institution& in) {
    const bool reports = in.kind == InstitutionKind::Hospital || in.kind == InstitutionKind::Polyclinic ||
                         in.kind == InstitutionKind::Territory;
    if (!reports) return;
    DemoPrng g = DemoPrng::forKey("monthly/" + in.code);
    addInfectionsTable(data, in, g);
    if (in.districtCentre) addBirthsTable(data, in, g);
}

}  // namespace vexo::demo::detail
