#pragma once

#include <QString>

namespace vexo::workspace {

// What "Перейти" looks for: the typed form and table codes padded on the
// left with zeros (five and four characters), so "12" finds form "00012".
struct GoToCodes {
    QString form;     // five characters
    QString table;    // four characters
    QString formKod;  // TBLNAME.FORMKOD: form + "00"
    QString tblKod;   // TBLNAME.TBLKOD: "00" + table
    QString formTbl;  // the catalogue's form-and-table code: form + "0000" + table
};
GoToCodes goToCodes(const QString& typedForm, const QString& typedTable);

// The boxes "Форма" and "Таблица" of an opened table.
QString formBoxText(const QString& formKod);  // its first five characters
QString tableBoxText(const QString& tblKod);  // its characters 3-6

}  // namespace vexo::workspace
