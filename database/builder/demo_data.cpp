#include "demo_data.h"

#include "demo_faults.h"
#include "demo_roster.h"
#include "demo_tables.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace vexo::demo {

std::int64_t DataRow::number(const std::string& column) const {
    const auto it = cells.find(column);
    if (it == cells.end()) return 0;
    const auto* n = std::get_if<std::int64_t>(&it->second);
    return n ? *n : 0;
}

void DataRow::setNumber(const std::string& column, std::int64_t hundredths) {
    if (hundredths == 0)
        cells.erase(column);
    else
        cells[column] = hundredths;
}

DataRow& DemoData::add(int table, const std::string& lpu, const std::string& period, int year, const std::string& row) {
    DataRow& r = rows_.emplace_back();
    r.table = table;
    r.lpu = lpu;
    r.period = period;
    r.year = year;
    r.row = row;
    return r;
}

const DataRow* DemoData::find(int table, const std::string& lpu, const std::string& period, int year,
                              const std::string& row) const {
    for (const DataRow& r : rows_)
        if (!r.listRow && r.table == table && r.lpu == lpu && r.period == period && r.year == year && r.row == row)
            return &r;
    return nullptr;
}

DataRow& DemoData::at(int table, const std::string& lpu, const std::string& period, int year, const std::string& row) {
    for (DataRow& r : rows_)
        if (!r.listRow && r.table == table && r.lpu == lpu && r.period == period && r.year == year && r.row == row)
            return r;
    throw std::out_of_range("no demo row " + std::to_string(table) + " " + lpu + " " + period + " " +
                            std::to_string(year) + " " + row);
}

std::int64_t ratioHundredths(double value) { return std::llround(value * 100.0); }

namespace detail {

void put(DataRow& row, const char* column, std::int64_t hundredths) { row.setNumber(column, hundredths); }

std::string rowCode(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

}  // namespace detail

DemoData generateDemoData() {
    DemoData data;
    for (const Institution& in : demoRoster()) {
        detail::addInpatientTables(data, in);
        detail::addOutpatientTables(data, in);
        detail::addMonthlyTables(data, in);
        detail::addStaffTables(data, in);
    }
    applyDemoFaults(data);
    return data;
}

}  // namespace vexo::demo
