#pragma once

#include <QString>

namespace vexo::grid {

// The logged-in user's access to tables. With the password system off
// nothing is checked.
struct UserRights {
    bool enforced = false;    // password system on
    bool seeAll = true;
    bool editAll = true;
    QString visibleTables;    // "1;12;200;"
    QString editableTables;

    bool canSee(int table) const { return !enforced || seeAll || listHasTable(visibleTables, table); }
    bool canEdit(int table) const { return !enforced || editAll || listHasTable(editableTables, table); }

    // Whole numbers only: "101;102;" does not hold 10.
    static bool listHasTable(const QString& list, int table);
};

}  // namespace vexo::grid
