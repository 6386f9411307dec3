#include "user_rights.h"

#include <QStringList>

namespace vexo::grid {

bool UserRights::listHasTable(const QString& list, int table) {
    const QStringList words = list.split(';', Qt::SkipEmptyParts);
    for (const QString& word : words) {
        bool ok = false;
        if (word.trimmed().toInt(&ok) == table && ok) return true;
    }
    return false;
}

}  // namespace vexo::grid
