#include "demo_faults.h"

#include <cmath>
#include <functional>

namespace vexo::demo {

namespace {

struct FaultAction {
    DemoFault fault;
    std::function<void(DemoData&, const DemoFault&)> apply;
};

// Replaces a cell and carries the change into the table's total row, as the
// operator's automatic calculation would: the total stays consistent and only
// the cell itself is wrong.
void changeWithTotal(DemoData& data, const DemoFault& f, const std::string& row, const std::string& column,
                     std::int64_t value) {
    DataRow& cell = data.at(f.table, f.lpu, f.period, f.year, row);
    DataRow& total = data.at(f.table, f.lpu, f.period, f.year, "001");
    total.setNumber(column, total.number(column) + value - cell.number(column));
    cell.setNumber(column, value);
}

std::int64_t percent(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0 : std::llround(static_cast<double>(part) * 100.0 / static_cast<double>(whole) * 100.0);
}

const std::vector<FaultAction>& actions() {
    static const std::vector<FaultAction> list = {
        {{1, "010102", "II", 2024, {"00001001", "00003002"},
          "Total beds at the end of the quarter (row 01, column 4) typed 5 too high: no longer the sum of the "
          "profiles, and no longer the beds of table 3000"},
         [](DemoData& d, const DemoFault& f) {
             DataRow& total = d.at(f.table, f.lpu, f.period, f.year, "001");
             total.setNumber("n4", total.number("n4") + units(5));
         }},
        {{1, "010201", "III", 2023, {"00001003"},
          "Children's surgical beds (row 03, column 5) exceed all surgical beds (column 4)"},
         [](DemoData& d, const DemoFault& f) {
             const std::int64_t beds = d.at(f.table, f.lpu, f.period, f.year, "003").number("n4");
             changeWithTotal(d, f, "003", "n5", beds + units(7));
         }},
        {{1, "010301", "I", 2024, {"00001004"},
          "Paediatric beds: more children died (row 04, column 12) than patients died in all (column 11)"},
         [](DemoData& d, const DemoFault& f) {
             const std::int64_t died = d.at(f.table, f.lpu, f.period, f.year, "004").number("n11");
             changeWithTotal(d, f, "004", "n12", died + units(1));
         }},
        {{1, "010401", "IV", 2023, {"00001006"},
          "Days of bed use of therapeutic beds (row 02, column 14) typed 3.5 days too high: the relative "
          "indicator disagrees with bed-days / average beds"},
         [](DemoData& d, const DemoFault& f) {
             DataRow& row = d.at(f.table, f.lpu, f.period, f.year, "002");
             row.setNumber("n14", row.number("n14") + 350);
         }},
        {{2, "010101", "II", 2023, {"00002002"},
          "Operations on children in the chest (row 03, column 4) exceed all operations of that row (column 3)"},
         [](DemoData& d, const DemoFault& f) {
             const std::int64_t operations = d.at(f.table, f.lpu, f.period, f.year, "003").number("n3");
             changeWithTotal(d, f, "003", "n4", operations + units(4));
         }},
        {{2, "010402", "IV", 2024, {"00002004", "00002005"},
          "Deaths after abdominal operations (row 02, column 6) typed 13 too high: post-operative lethality "
          "passes 5 % and the deaths exceed those on surgical beds of table 1000"},
         [](DemoData& d, const DemoFault& f) {
             DataRow& row = d.at(f.table, f.lpu, f.period, f.year, "002");
             changeWithTotal(d, f, "002", "n6", row.number("n6") + units(13));
             // Lethality recomputed, as the automatic calculation leaves it.
             DataRow& total = d.at(f.table, f.lpu, f.period, f.year, "001");
             row.setNumber("n7", percent(row.number("n6"), row.number("n3")));
             total.setNumber("n7", percent(total.number("n6"), total.number("n3")));
         }},
        {{3, "010501", "I", 2023, {"00003001"},
          "Income from voluntary insurance (column 3) exceeds the whole income (column 2)"},
         [](DemoData& d, const DemoFault& f) {
             DataRow& row = d.at(f.table, f.lpu, f.period, f.year, "001");
             row.setNumber("n3", row.number("n2") + 15050);
         }},
        {{4, "010107", "Iп", 2024, {"00004001"},
          "All visits (row 01, column 3) typed 100 too high: not the sum of rows 02 and 03"},
         [](DemoData& d, const DemoFault& f) {
             DataRow& total = d.at(f.table, f.lpu, f.period, f.year, "001");
             total.setNumber("n3", total.number("n3") + units(100));
         }},
        {{200, "010303", "год", 2024, {"00200001", "00200004"},
          "Doctors at the end of the year (row 02, column 6) typed with a digit missing: ten times fewer than a "
          "year before, and no longer part of the total of row 01"},
         [](DemoData& d, const DemoFault& f) {
             DataRow& row = d.at(f.table, f.lpu, f.period, f.year, "002");
             row.setNumber("n6", units(std::llround(static_cast<double>(row.number("n6")) / 1000.0)));
         }},
        {{9, "010403", "03", 2024, {"00009002"},
          "Respiratory infections: more hospitalised (row 02, column 5) than registered (column 3)"},
         [](DemoData& d, const DemoFault& f) {
             DataRow& row = d.at(f.table, f.lpu, f.period, f.year, "002");
             row.setNumber("n5", row.number("n3") + units(3));
         }},
    };
    return list;
}

}  // namespace

const std::vector<DemoFault>& demoFaults() {
    static const std::vector<DemoFault> faults = [] {
        std::vector<DemoFault> out;
        for (const FaultAction& a : actions()) out.push_back(a.fault);
        return out;
    }();
    return faults;
}

void applyDemoFaults(DemoData& data) {
    for (const FaultAction& a : actions()) a.apply(data, a.fault);
}

}  // namespace vexo::demo
