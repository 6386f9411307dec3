#pragma once

#include <QString>

#include <optional>

namespace vexo::data {
class TfDM;
class Dataset;
}  // namespace vexo::data

namespace vexo::startup {

class UserRights;

// The users of the password system: rows of UST3 through the dataset Ust3.
// Names are matched exactly (case included; trailing blanks do not count).
class UserAccounts {
public:
    explicit UserAccounts(data::TfDM& dm) : dm_(dm) {}

    data::Dataset& dataset() const;
    void open();  // fetches the rows anew
    int count() const;
    bool hasAdministrator() const;
    // Moves to the user's row; false leaves the position.
    bool locateName(const QString& name);
    // Some row other than the one with this AUTOINC carries the name.
    bool nameTaken(const QString& name, std::optional<qint64> except = std::nullopt) const;
    // The setting Ust3: "1" switches the password system on, anything else leaves it off.
    bool passwordSystemOn();
    void setPasswordSystem(bool on);

private:
    data::TfDM& dm_;
};

enum class LoginOutcome { Accepted, UnknownName, WrongPassword };
// One press of OK in the login window; an accepted user's rights go into rights.
LoginOutcome checkLogin(UserAccounts& accounts, const QString& name, const QString& password, UserRights& rights);

// The administrator window's controls after every show, add, change and delete.
struct AdminControls {
    bool change = false;
    bool remove = false;
    bool passwordCheckEnabled = false;
    bool passwordChecked = false;
};
// A password system nobody could administer cannot be switched on.
AdminControls adminControls(int users, bool anyAdministrator, bool checked);

}  // namespace vexo::startup
