#include "table_data_sql.h"

#include "data/sql_text.h"

namespace vexo::workspace {

using data::sqlEscape;

QString dataFilter(const DataScope& scope) {
    QString filter = QStringLiteral("Ntbl=") + QString::number(scope.table);
    if (scope.period)
        filter += " and period='" + sqlEscape(*scope.period) + "' and tbl.god=" + QString::number(scope.year);
    if (scope.territory) filter += " and lpu='" + sqlEscape(*scope.territory) + "'";
    return filter;
}

QString filterPeriodCode(const std::vector<std::pair<QString, QString>>& periods, const QString& periodName) {
    for (const auto& [code, name] : periods)
        if (name.startsWith(periodName)) return code.trimmed().leftJustified(3, ' ');
    return QString(3, ' ');
}

QString selectStatement(const QString& filter, int table, const SelectShape& shape) {
    if (shape.rowMode) {
        // Only rows with a description of that year show, in its order.
        const QString rowsYear = shape.rowsYear ? " and \"ROWS\".god=" + QString::number(*shape.rowsYear) + " " : QString();
        return "select * from tbl, \"ROWS\" where " + filter + " and tbl.\"ROW\"=\"ROWS\".a " + " and tbl=" +
               QString::number(table) + " " + rowsYear + "order by \"ROWS\".item";
    }
    QString sql = "select * from tbl where " + filter;
    if (shape.listTable && !shape.orderSp.trimmed().isEmpty()) sql += " order by " + shape.orderSp.trimmed();
    return sql;
}

QString fillStatement(int table, const QString& periodCode, int year, const QString& territory,
                      const QString& metadataCondition) {
    const QString n = QString::number(table);
    return "insert into tbl (ntbl,period,god,lpu,\"ROW\" )select " + n + "," + "'" + sqlEscape(periodCode) + "'," +
           QString::number(year) + "," + "'" + sqlEscape(territory) + "'," + "a " + "from \"ROWS\" " + "where " +
           " tbl=" + n + metadataCondition + " and (item is not null)";
}

QString deleteStatement(const QString& filter) { return "delete from tbl where " + filter; }

}  // namespace vexo::workspace
