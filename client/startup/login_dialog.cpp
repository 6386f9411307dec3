#include "login_dialog.h"

#include "placement_store.h"
#include "ui/dialogs.h"
#include "user_rights.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexo::startup {

namespace {

const QString kLastNameKey = QStringLiteral("Login/LastUser");

void refuse(const QString& text) {
    ui::messageBox({text, ui::kCaptionError, ui::Icon::Warning, ui::Buttons::Ok, ui::Answer::Ok});
}

}  // namespace

TfLogin::TfLogin(data::TfDM& dm, UserRights& rights, QWidget* parent)
    : QDialog(parent), accounts_(dm), rights_(rights) {
    setObjectName("TfLogin");
    setWindowTitle(QStringLiteral("Ввод пароля"));
    setModal(true);

    edName = new QLineEdit(this);
    edName->setObjectName("edName");
    edName->setMaxLength(10);
    edName->setText(placementStore()->value(kLastNameKey).toString());
    edPassword = new QLineEdit(this);
    edPassword->setObjectName("edPassword");
    edPassword->setEchoMode(QLineEdit::Password);

    auto* fields = new QVBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Введите имя пользователя:"), this));
    fields->addWidget(edName);
    fields->addWidget(new QLabel(QStringLiteral("Введите пароль:"), this));
    fields->addWidget(edPassword);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
    btnCancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(300);

    connect(btnOK, &QPushButton::clicked, this, &TfLogin::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfLogin::btnCancelClick);
    // A remembered name leaves only the password to type.
    (edName->text().isEmpty() ? edName : edPassword)->setFocus();
}

void TfLogin::btnOKClick() {
    placementStore()->setValue(kLastNameKey, edName->text());
    switch (checkLogin(accounts_, edName->text(), edPassword->text(), rights_)) {
        case LoginOutcome::Accepted:
            outcome_ = Result::Accepted;
            accept();
            return;
        case LoginOutcome::UnknownName:
            ++failures_;
            edName->setFocus();
            refuse(QStringLiteral("Незарегистрированное имя пользователя!"));
            break;
        case LoginOutcome::WrongPassword:
            ++failures_;
            edPassword->clear();
            edPassword->setFocus();
            refuse(QStringLiteral("Неверный пароль!"));
            break;
    }
    if (failures_ >= kMaxFailures) {
        outcome_ = Result::Exhausted;
        reject();
    }
}

void TfLogin::btnCancelClick() {
    outcome_ = Result::Cancelled;
    reject();
}

bool Login(data::TfDM& dm, UserRights& rights, QWidget* parent) {
    UserAccounts accounts(dm);
    if (!accounts.passwordSystemOn()) {
        rights.setPasswordsOff();
        return true;
    }
    TfLogin dialog(dm, rights, parent);
    dialog.exec();
    switch (dialog.outcome()) {
        case TfLogin::Result::Accepted: return true;
        case TfLogin::Result::Exhausted: return false;
        case TfLogin::Result::Cancelled: return rights.isSet();
    }
    return false;
}

}  // namespace vexo::startup
