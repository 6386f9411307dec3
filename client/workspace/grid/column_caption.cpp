#include "column_caption.h"

namespace vexo::grid {

ColumnCaption ColumnCaption::parse(const QString& rus) {
    ColumnCaption c;
    const qsizetype eq = rus.indexOf('=');
    if (eq < 0) {
        c.title = rus;
        return c;
    }
    c.title = rus.left(eq);
    c.hasWidthPart = true;
    bool ok = false;
    const int w = rus.mid(eq + 1).trimmed().toInt(&ok);
    if (ok && w >= 0) c.width = w;
    return c;
}

QStringList ColumnCaption::levelsOf(const QString& title) { return title.split('|'); }

}  // namespace vexo::grid
