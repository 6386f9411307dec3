#pragma once

// The generators of the demo data, one file per family of tables. Each adds
// the rows one institution reports.

#include "demo_data.h"
#include "demo_roster.h"

namespace vexo::demo::detail {

void addInpatientTables(DemoData& data, const Institution& in);   // 1, 2, 3, 360, 420
void addOutpatientTables(DemoData& data, const Institution& in);  // 4 or 6, and the list 5
void addMonthlyTables(DemoData& data, const Institution& in);     // 7 or 9, and 8
void addStaffTables(DemoData& data, const Institution& in);       // 200 and the list 10

// Stores a count or an amount, leaving the cell empty when it is zero, as an
// operator leaves a zero cell blank.
void put(DataRow& row, const char* column, std::int64_t hundredths);
// "001" for 1.
std::string rowCode(int n);

}  // namespace vexo::demo::detail
