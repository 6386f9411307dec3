#pragma once

// An independent reading of the demo's control conditions and calculation
// formulas, enough to tell whether the demo data keeps them. It follows the
// cell-reference notation the conditions are written in: variables are cut
// out of the text the way the server library lists them, so a condition that
// the library would split differently fails here as well.
//
// Only the notation the demo uses is understood: references with 3 or 5
// commas (year field empty or "100".."900", institution field empty), rows
// and columns as a number, a cycle ("1:7", "3.4.6") or a term list ("2П7",
// "2+5П7"), and numeric constants. Anything else throws, so that a new demo
// condition outside this subset is noticed rather than passed; so does a
// column the table's description for the year does not have.

#include "fb/attachment.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace vexo::test {

// The metadata year of a table number for a reporting year; nothing when every
// description applies, whatever its year.
std::optional<int> metadataYear(int table, int year);

// The comparison sign of a condition, chosen by priority as the server does:
// the first of ">=", "<=", "<>", ">", "<", "=", ";" present anywhere.
std::string comparisonSign(const std::string& textCp1251);

// The variable list of a condition (items each followed by "$").
std::string conditionVariables(const std::string& textCp1251);

struct ReportKey {
    std::string lpu;     // UTF-8
    std::string period;  // UTF-8, without padding
    int year = 0;
    bool operator<(const ReportKey& o) const {
        return std::tie(lpu, period, year) < std::tie(o.lpu, o.period, o.year);
    }
};

class ConditionChecker {
public:
    // Reads the catalogue, the column descriptions and the entered data.
    explicit ConditionChecker(fb::Attachment& db);

    // The institutions, periods and years for which a table holds data.
    std::set<ReportKey> reportsOf(int table) const;

    // Whether the condition holds for one report, on every step of its cycles.
    // `tolerance` widens "=" (the calculation formulas are checked with it).
    bool holds(const std::string& textCp1251, const ReportKey& report, double tolerance = 0.0) const;

private:
    struct DataKey {
        int table;
        std::string lpu, period;
        int year;
        std::string row;
        bool operator<(const DataKey& o) const {
            return std::tie(table, lpu, period, year, row) < std::tie(o.table, o.lpu, o.period, o.year, o.row);
        }
    };
    double cell(int table, const std::string& lpu, const std::string& period, int year, int row, int column) const;
    std::string columnName(int table, int year, int column) const;
    int tableOf(int form, int table) const;

    std::map<std::string, int> tables_;  // FORMKOD + TBLKOD -> NTBL
    // (table, GOD, NSTR) -> ENG in lower case
    std::map<std::tuple<int, int, std::string>, std::string> columns_;
    std::map<DataKey, std::map<std::string, double>> data_;
};

}  // namespace vexo::test
