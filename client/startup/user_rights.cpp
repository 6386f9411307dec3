#include "user_rights.h"

#include "data/dataset.h"

namespace vexo::startup {

const QString UserRights::kPasswordsOffName = QStringLiteral("ParolOff");
const QString UserRights::kReservedName = QStringLiteral("sa");

bool rightsListHas(const QString& list, const QString& ntbl) {
    const QString wanted = ntbl.trimmed();
    if (wanted.isEmpty()) return false;
    bool wantedIsNumber = false;
    const int wantedNumber = wanted.toInt(&wantedIsNumber);
    for (const QString& raw : list.split(';', Qt::SkipEmptyParts)) {
        const QString word = raw.trimmed();
        if (word == wanted) return true;
        // "010" and "10" name the same table.
        bool isNumber = false;
        const int number = word.toInt(&isNumber);
        if (isNumber && wantedIsNumber && number == wantedNumber) return true;
    }
    return false;
}

bool UserRights::mayView(const QString& ntbl) const {
    return passwordsOff() || seeAll || rightsListHas(visibleList, ntbl);
}

bool UserRights::mayEdit(const QString& ntbl) const {
    return passwordsOff() || editAll || rightsListHas(editableList, ntbl);
}

void UserRights::setPasswordsOff() {
    userName = kPasswordsOffName;
    administrator = seeAll = editAll = true;
    editableList.clear();
    visibleList.clear();
}

void UserRights::takeUser(const data::Dataset& ust3) {
    userName = ust3.text("A").trimmed();
    administrator = ust3.text("C").trimmed() == "T";
    takeAccess(ust3);
}

void UserRights::takeAccess(const data::Dataset& ust3) {
    seeAll = ust3.text("D").trimmed() == "T";
    editAll = ust3.text("E").trimmed() == "T";
    editableList = ust3.text("F");
    visibleList = ust3.text("G");
}

}  // namespace vexo::startup
