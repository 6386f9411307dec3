#pragma once

#include "user_accounts.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vexo::data {
class TfDM;
}

namespace vexo::startup {

class UserRights;

// The window "Ввод пароля": three tries, then it closes by itself.
class TfLogin : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxFailures = 3;
    enum class Result { Accepted, Cancelled, Exhausted };

    TfLogin(data::TfDM& dm, UserRights& rights, QWidget* parent = nullptr);

    Result outcome() const { return outcome_; }
    int failures() const { return failures_; }

    QLineEdit* edName;
    QLineEdit* edPassword;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public slots:
    void btnOKClick();
    void btnCancelClick();

private:
    UserAccounts accounts_;
    UserRights& rights_;
    int failures_ = 0;
    Result outcome_ = Result::Cancelled;
};

// Login: true when the user may work. With the password system off everybody
// works as "ParolOff". Cancel keeps the user already at work (change of user)
// and fails when there is none; three failed tries always fail.
bool Login(data::TfDM& dm, UserRights& rights, QWidget* parent = nullptr);

}  // namespace vexo::startup
