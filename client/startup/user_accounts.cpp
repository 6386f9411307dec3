#include "user_accounts.h"

#include "data/data_module.h"
#include "data/settings_store.h"
#include "password_scramble.h"
#include "user_rights.h"

namespace vexo::startup {

namespace {

QString trimmedRight(QString s) {
    while (!s.isEmpty() && s.back() == ' ') s.chop(1);
    return s;
}

}  // namespace

data::Dataset& UserAccounts::dataset() const { return *dm_.Ust3; }

void UserAccounts::open() { dataset().open(); }

int UserAccounts::count() const {
    data::Dataset& ds = dataset();
    if (!ds.isOpen()) ds.open();
    return ds.recordCount();
}

bool UserAccounts::hasAdministrator() const {
    data::Dataset& ds = dataset();
    if (!ds.isOpen()) ds.open();
    const int c = ds.fieldIndex("C");
    for (int row = 0; row < ds.recordCount(); ++row)
        if (ds.valueAt(row, c).toString().trimmed() == "T") return true;
    return false;
}

bool UserAccounts::locateName(const QString& name) {
    data::Dataset& ds = dataset();
    if (!ds.isOpen()) ds.open();
    return ds.locate("A", trimmedRight(name));
}

bool UserAccounts::nameTaken(const QString& name, std::optional<qint64> except) const {
    data::Dataset& ds = dataset();
    if (!ds.isOpen()) ds.open();
    const int a = ds.fieldIndex("A");
    const int id = ds.fieldIndex("AUTOINC");
    const QString wanted = trimmedRight(name);
    for (int row = 0; row < ds.recordCount(); ++row) {
        if (except && ds.valueAt(row, id).toLongLong() == *except) continue;
        if (trimmedRight(ds.valueAt(row, a).toString()) == wanted) return true;
    }
    return false;
}

bool UserAccounts::passwordSystemOn() {
    data::SettingsStore settings(dm_);
    return settings.read("Ust3").value_or(QString()) == "1";
}

void UserAccounts::setPasswordSystem(bool on) {
    data::SettingsStore settings(dm_);
    settings.write("Ust3", on ? "1" : "2", true);
}

LoginOutcome checkLogin(UserAccounts& accounts, const QString& name, const QString& password, UserRights& rights) {
    accounts.open();  // another workstation may have changed the users meanwhile
    if (!accounts.locateName(name)) return LoginOutcome::UnknownName;
    const data::Dataset& row = accounts.dataset();
    if (scramblePassword(password) != row.text("B")) return LoginOutcome::WrongPassword;
    rights.takeUser(row);
    return LoginOutcome::Accepted;
}

AdminControls adminControls(int users, bool anyAdministrator, bool checked) {
    AdminControls c;
    if (users == 0) return c;
    c.change = c.remove = true;
    if (!anyAdministrator) return c;
    c.passwordCheckEnabled = true;
    c.passwordChecked = checked;
    return c;
}

}  // namespace vexo::startup
