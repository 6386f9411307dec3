#pragma once

#include <QString>

namespace vexo::data {
class Dataset;
}

namespace vexo::startup {

// True when ntbl is one of the ";"-separated words of the list: "101;102;"
// holds neither 10 nor 1.
bool rightsListHas(const QString& list, const QString& ntbl);

// The rights of the user at work, set by the login and read by every window
// that shows or changes a table.
class UserRights {
public:
    static const QString kPasswordsOffName;  // "ParolOff": everybody, with the password system off
    static const QString kReservedName;      // "sa"

    QString userName;
    bool administrator = false;
    bool seeAll = false;
    bool editAll = false;
    QString editableList;  // UST3.F
    QString visibleList;   // UST3.G

    bool isSet() const { return !userName.isEmpty(); }
    bool passwordsOff() const { return userName == kPasswordsOffName; }
    // Only "sa" sees the service functions and edits in the settings dialog.
    bool isReservedUser() const { return userName == kReservedName; }

    bool mayView(const QString& ntbl) const;
    bool mayEdit(const QString& ntbl) const;

    void setPasswordsOff();
    // All of it from the current row of UST3 (login).
    void takeUser(const data::Dataset& ust3);
    // The access part of a saved row: flags D and E, lists F and G.
    void takeAccess(const data::Dataset& ust3);
};

}  // namespace vexo::startup
