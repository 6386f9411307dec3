#include "cell_marks.h"

#include "data/data_module.h"
#include "data/sql_text.h"

#include <QStringList>

namespace vexo::grid {

int CellMarks::rowNumber(const QString& row) {
    bool ok = false;
    const int n = row.trimmed().toInt(&ok);
    return ok ? n : -1;
}

void CellMarks::clear() {
    markable_.clear();
    marks_.clear();
    locked_.clear();
}

void CellMarks::load(data::TfDM& dm, int table, const Rules& rules) {
    clear();
    std::vector<Entry> entries;
    if (!rules.getCellParams.trimmed().isEmpty()) {
        data::Dataset& q = *dm.qTmp;
        q.close();
        q.setSelectSql("select col,\"ROWS\",colorFld from cells where tblname='" +
                       data::sqlEscape(QString::number(table)) + "' order by autoinc");
        q.open();
        for (int row = 0; row < q.recordCount(); ++row)
            entries.push_back({q.valueAt(row, 0).toString(), q.valueAt(row, 1).toString(), q.valueAt(row, 2).toString()});
        q.close();
    }
    set(entries, rules);
}

void CellMarks::set(const std::vector<Entry>& entries, const Rules& rules) {
    clear();
    for (const QString& word : rules.getCellParams.split(',', Qt::SkipEmptyParts)) markable_.insert(word.trimmed().toUpper());
    if (markable_.isEmpty()) return;
    // With ZdravVer present colouring needs ColorCells; without ColorCells
    // only the locked cells show.
    const bool colouring = rules.colorCells || !rules.zdravVer;
    for (const Entry& e : entries) {
        const QString column = e.column.trimmed().toUpper();
        if (!markable_.contains(column)) continue;
        const QString color = e.color.trimmed();
        const bool gray = color == QLatin1String("gray");
        const bool yellow = color == QLatin1String("yellow");
        if (!gray && !yellow) continue;
        for (const QString& item : e.rows.split(',', Qt::SkipEmptyParts)) {
            const int row = rowNumber(item);
            if (row < 0) continue;
            const Key key{column, row};
            if (gray) locked_.insert(key);
            if (colouring && (gray || rules.colorCells)) marks_.insert(key, gray ? CellMark::Gray : CellMark::Yellow);
        }
    }
}

CellMark CellMarks::mark(const QString& field, const QString& rowNumber) const {
    if (marks_.isEmpty()) return CellMark::None;
    return marks_.value(Key{field.trimmed().toUpper(), CellMarks::rowNumber(rowNumber)}, CellMark::None);
}

bool CellMarks::isLocked(const QString& field, const QString& rowNumber) const {
    if (locked_.isEmpty()) return false;
    return locked_.contains(Key{field.trimmed().toUpper(), CellMarks::rowNumber(rowNumber)});
}

}  // namespace vexo::grid
