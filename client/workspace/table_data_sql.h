#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace vexo::workspace {

// What the rows of TBL on screen are restricted to: the current table and,
// when their check boxes ask for it, the period with the year and the territory.
struct DataScope {
    int table = 0;
    std::optional<QString> period;     // the padded period code; none: every period and year
    int year = 0;                      // the year box
    std::optional<QString> territory;  // none: every territory
};

// "Ntbl=12 and period='I  ' and tbl.god=2024 and lpu='010101'": the data
// filter, reused by select, fill, delete and export.
QString dataFilter(const DataScope& scope);

// The filter's period code: PERIOD.A of the first (code, name) pair whose
// name begins with the selected name, padded with blanks to three characters.
QString filterPeriodCode(const std::vector<std::pair<QString, QString>>& periods, const QString& periodName);

// How tblYear is selected besides the filter.
struct SelectShape {
    bool rowMode = false;             // fixed rows: joined with their descriptions in display order
    std::optional<int> rowsYear;      // metadata year of the row descriptions; none: all of them
    bool listTable = false;           // "свод:список" sorts by ORDERSP
    QString orderSp;
};
QString selectStatement(const QString& filter, int table, const SelectShape& shape);

// Creates an empty row for every row description of the metadata year that
// has a display order (ITEM). `metadataCondition` is " and god=2014" or "".
QString fillStatement(int table, const QString& periodCode, int year, const QString& territory,
                      const QString& metadataCondition);

QString deleteStatement(const QString& filter);

}  // namespace vexo::workspace
