#include "table_navigation.h"

namespace vexo::workspace {

GoToCodes goToCodes(const QString& typedForm, const QString& typedTable) {
    GoToCodes c;
    c.form = typedForm.trimmed().rightJustified(5, '0');
    c.table = typedTable.trimmed().rightJustified(4, '0');
    c.formKod = c.form + "00";
    c.tblKod = "00" + c.table;
    c.formTbl = c.form + "0000" + c.table;
    return c;
}

QString formBoxText(const QString& formKod) { return formKod.left(5); }

QString tableBoxText(const QString& tblKod) { return tblKod.mid(2, 4); }

}  // namespace vexo::workspace
