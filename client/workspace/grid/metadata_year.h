#pragma once

#include <QString>

#include <optional>

namespace vexo::grid {

// Which metadata year's COLUMNS and "ROWS" entries describe table `table`
// in reporting year `year`; nullopt when every entry applies whatever its GOD.
// Tables above 399 changed in 2007..2012, tables above 349 change every year
// from 2013 on; the rest keep one description.
std::optional<int> metadataYear(int table, int year);

// The same as the text appended to a metadata query: " and god=2010", or "".
QString metadataYearCondition(int table, int year);

}  // namespace vexo::grid
