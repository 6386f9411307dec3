#pragma once

#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>

#include <vector>

namespace vexo::data {
class TfDM;
}

namespace vexo::grid {

enum class CellMark { None, Yellow, Gray };

// The marked cells of the current table (CELLS), read once when the table is
// opened, so that painting and editing never run a statement. "gray" cells
// are locked against typing; "yellow" ones are the cells handed to Medstat.
class CellMarks {
public:
    struct Entry {
        QString column;  // CELLS.COL
        QString rows;    // "1,4,12": row numbers without leading zeros
        QString color;   // "gray", "yellow"
    };
    struct Rules {
        QString getCellParams;  // TBLNAME.GETCELLPARAMS: the only columns ever looked up
        bool colorCells = false;  // setting ColorCells is "Y"
        bool zdravVer = false;    // setting ZdravVer exists
    };

    // Reads the table's CELLS rows in the order they were entered.
    void load(data::TfDM& dm, int table, const Rules& rules);
    // The same from rows at hand.
    void set(const std::vector<Entry>& entries, const Rules& rules);
    void clear();

    // The colour mark of a cell; when two rows mark one cell the later wins.
    CellMark mark(const QString& field, const QString& rowNumber) const;
    // Gray cells refuse editing whatever the colour settings.
    bool isLocked(const QString& field, const QString& rowNumber) const;
    bool isMarkable(const QString& field) const { return markable_.contains(field.trimmed().toUpper()); }

    // "005" → 5; -1 when it is no number.
    static int rowNumber(const QString& row);

private:
    using Key = QPair<QString, int>;
    QSet<QString> markable_;
    QHash<Key, CellMark> marks_;
    QSet<Key> locked_;
};

}  // namespace vexo::grid
