#pragma once

#include "fb/value.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <variant>

namespace vexo::demo {

// One cell of entered data: a number in hundredths (numeric(18,2) exactly),
// a text in UTF-8, or a date.
using CellValue = std::variant<std::int64_t, std::string, fb::Date>;

// One row of TBL as the demo enters it.
struct DataRow {
    int table = 0;
    std::string lpu;
    std::string period;  // period code without padding ("I", "01", "год")
    int year = 0;
    std::string row;     // "001"
    bool listRow = false;  // a row of a list table: gets its own TIPSVODA
    std::map<std::string, CellValue> cells;  // by data column, lower case ("n3", "c1", "s1", "d1")

    // The numeric cell in hundredths; 0 when empty.
    std::int64_t number(const std::string& column) const;
    void setNumber(const std::string& column, std::int64_t hundredths);
};

// The rows in the order they were added; a row added stays where it is, so a
// generator may keep a reference to a total row while it adds the others.
class DemoData {
public:
    const std::deque<DataRow>& rows() const { return rows_; }
    DataRow& add(int table, const std::string& lpu, const std::string& period, int year, const std::string& row);
    // The ordinary (not list) row with this key; throws when there is none.
    DataRow& at(int table, const std::string& lpu, const std::string& period, int year, const std::string& row);
    const DataRow* find(int table, const std::string& lpu, const std::string& period, int year,
                        const std::string& row) const;

private:
    std::deque<DataRow> rows_;
};

// Every entered row of the demo installation, the deliberate errors included
// (see demo_faults.h). The same rows on every call.
DemoData generateDemoData();

// Whole units to hundredths, and a ratio rounded to two decimals.
constexpr std::int64_t units(long long n) { return n * 100; }
std::int64_t ratioHundredths(double value);

}  // namespace vexo::demo
