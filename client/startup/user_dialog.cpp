#include "user_dialog.h"

#include "data/data_module.h"
#include "password_scramble.h"
#include "table_choice.h"
#include "ui/app_error.h"
#include "ui/dialogs.h"
#include "user_accounts.h"
#include "user_rights.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexo::startup {

namespace {

const QString kNewPasswordMissing = QStringLiteral("Введите новый пароль!");
const QString kPasswordTooLong = QStringLiteral("Длина пароля больше 10 символов!");
const QString kBadConfirmation = QStringLiteral("Неверное подтверждение нового пароля!");

bool blank(const QString& s) { return s.trimmed().isEmpty(); }

std::optional<UserRefusal> checkNewPassword(bool required, const QString& password, const QString& confirmation) {
    if (required && blank(password)) return UserRefusal{kNewPasswordMissing};
    if (password.size() > TfUser::kMaxLength) return UserRefusal{kPasswordTooLong};
    if (password != confirmation) return UserRefusal{kBadConfirmation, true};
    return std::nullopt;
}

}  // namespace

std::optional<UserRefusal> checkUserForm(UserDialogMode mode, const QString& name, const QString& newPassword,
                                         const QString& confirmation, const std::function<bool()>& nameTaken) {
    if (blank(name)) return UserRefusal{QStringLiteral("Введите имя пользователя!")};
    if (auto refusal = checkNewPassword(mode == UserDialogMode::Add, newPassword, confirmation)) return refusal;
    if (name.size() > TfUser::kMaxLength)
        return UserRefusal{QStringLiteral("Длина имени пользователя должна быть не более 10 символов!")};
    if (nameTaken && nameTaken()) return UserRefusal{QStringLiteral("Пользователь с указанным именем уже существует!")};
    return std::nullopt;
}

std::optional<UserRefusal> checkOwnPassword(bool userFound, bool oldPasswordMatches, const QString& newPassword,
                                            const QString& confirmation) {
    if (!userFound) return UserRefusal{QStringLiteral("Незарегистрированное имя пользователя!")};
    if (!oldPasswordMatches) return UserRefusal{QStringLiteral("Неверный старый пароль!"), false, true};
    return checkNewPassword(true, newPassword, confirmation);
}

TfUser::TfUser(data::TfDM& dm, UserDialogMode mode, UserRights& current, QWidget* parent)
    : QDialog(parent), dm_(dm), mode_(mode), current_(current) {
    setObjectName("TfUser");
    setWindowTitle(mode == UserDialogMode::OwnPassword ? QStringLiteral("Смена пароля")
                                                       : QStringLiteral("Администратор"));
    edName = new QLineEdit(this);
    edOld = new QLineEdit(this);
    edNew = new QLineEdit(this);
    edConfirm = new QLineEdit(this);
    for (QLineEdit* e : {edOld, edNew, edConfirm}) e->setEchoMode(QLineEdit::Password);
    cbAdmin = new QCheckBox(QStringLiteral("Права администратора"), this);
    cbSeeAll = new QCheckBox(QStringLiteral("Доступ ко всем таблицам (просмотр)"), this);
    cbEditAll = new QCheckBox(QStringLiteral("Доступ ко всем таблицам (редактирование)"), this);
    btnSeeLimit = new QPushButton(QStringLiteral("Ограничить..."), this);
    btnEditLimit = new QPushButton(QStringLiteral("Ограничить..."), this);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
    StatusBar1 = new QLabel(QStringLiteral("Длина пароля: не более 10 символов"), this);
    StatusBar1->setFrameShape(QFrame::StyledPanel);

    auto* grid = new QGridLayout;
    int r = 0;
    const auto addField = [&](const QString& caption, QLineEdit* edit) {
        grid->addWidget(new QLabel(caption, this), r, 0);
        grid->addWidget(edit, r++, 1, 1, 2);
    };
    addField(QStringLiteral("Имя пользователя:"), edName);
    addField(QStringLiteral("Введите старый пароль:"), edOld);
    addField(QStringLiteral("Введите новый пароль:"), edNew);
    addField(QStringLiteral("Подтвердите новый пароль:"), edConfirm);
    grid->addWidget(cbAdmin, r++, 0, 1, 3);
    grid->addWidget(cbSeeAll, r, 0, 1, 2);
    grid->addWidget(btnSeeLimit, r++, 2);
    grid->addWidget(cbEditAll, r, 0, 1, 2);
    grid->addWidget(btnEditLimit, r++, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    connect(btnOK, &QPushButton::clicked, this, &TfUser::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfUser::btnCancelClick);
    connect(btnSeeLimit, &QPushButton::clicked, this, &TfUser::btnSeeLimitClick);
    connect(btnEditLimit, &QPushButton::clicked, this, &TfUser::btnEditLimitClick);
    connect(cbSeeAll, &QCheckBox::toggled, this, &TfUser::updateLimitButtons);
    connect(cbEditAll, &QCheckBox::toggled, this, &TfUser::updateLimitButtons);

    data::Dataset& ds = *dm_.Ust3;
    switch (mode_) {
        case UserDialogMode::Add:
            edOld->setEnabled(false);
            cbSeeAll->setChecked(true);
            cbEditAll->setChecked(true);
            break;
        case UserDialogMode::Change:
            edOld->setEnabled(false);
            rowId_ = ds.value("AUTOINC").toLongLong();
            storedName_ = ds.text("A").trimmed();
            storedPassword_ = ds.text("B");
            edName->setText(storedName_);
            edNew->setText(storedPassword_);
            edConfirm->setText(storedPassword_);
            cbAdmin->setChecked(ds.text("C").trimmed() == "T");
            cbSeeAll->setChecked(ds.text("D").trimmed() == "T");
            cbEditAll->setChecked(ds.text("E").trimmed() == "T");
            editableList_ = ds.text("F");
            visibleList_ = ds.text("G");
            break;
        case UserDialogMode::OwnPassword:
            edName->setText(current_.userName);
            edName->setEnabled(false);
            for (QCheckBox* c : {cbAdmin, cbSeeAll, cbEditAll}) c->setEnabled(false);
            cbSeeAll->setChecked(current_.seeAll);
            cbEditAll->setChecked(current_.editAll);
            cbAdmin->setChecked(current_.administrator);
            break;
    }
    updateLimitButtons();
    (mode_ == UserDialogMode::OwnPassword ? edOld : edName)->setFocus();
}

void TfUser::updateLimitButtons() {
    const bool own = mode_ == UserDialogMode::OwnPassword;
    btnSeeLimit->setEnabled(!own && !cbSeeAll->isChecked());
    btnEditLimit->setEnabled(!own && !cbEditAll->isChecked());
}

void TfUser::refuse(const UserRefusal& refusal) {
    if (refusal.clearNewPasswords) {
        edNew->clear();
        edConfirm->clear();
    }
    if (refusal.clearOldPassword) edOld->clear();
    ui::messageBox({refusal.text, ui::kCaptionError, ui::Icon::Warning, ui::Buttons::Ok, ui::Answer::Ok}, this);
}

void TfUser::btnOKClick() {
    if (mode_ == UserDialogMode::OwnPassword) okOwnPassword();
    else okAddOrChange();
}

void TfUser::okAddOrChange() {
    UserAccounts accounts(dm_);
    const QString name = edName->text();
    const auto refusal = checkUserForm(mode_, name, edNew->text(), edConfirm->text(),
                                       [&] { return accounts.nameTaken(name, rowId_); });
    if (refusal) {
        refuse(*refusal);
        return;
    }
    data::Dataset& ds = *dm_.Ust3;
    // A save that failed before left its row pending.
    if (ds.state() == data::DatasetState::Edit || ds.state() == data::DatasetState::Insert) ds.cancel();
    if (mode_ == UserDialogMode::Add) {
        ds.append();
    } else {
        if (!ds.locate("AUTOINC", *rowId_)) throw AppError(QStringLiteral("Незарегистрированное имя пользователя!"));
        ds.edit();
    }
    ds.setValue("A", name.trimmed());
    if (mode_ == UserDialogMode::Add || edNew->text() != storedPassword_)
        ds.setValue("B", scramblePassword(edNew->text()));
    const auto flag = [](QCheckBox* c) { return c->isChecked() ? QStringLiteral("T") : QStringLiteral("F"); };
    ds.setValue("C", flag(cbAdmin));
    ds.setValue("D", flag(cbSeeAll));
    ds.setValue("E", flag(cbEditAll));
    ds.setValue("F", editableList_);
    ds.setValue("G", visibleList_);
    ds.post();  // committed at once; a failure goes to the error report and the dialog stays
    // The user at work follows the changes of his own row at once.
    if (mode_ == UserDialogMode::Change && !current_.passwordsOff() && current_.userName == storedName_) {
        current_.takeAccess(ds);
        current_.userName = name.trimmed();
    }
    accept();
}

void TfUser::okOwnPassword() {
    UserAccounts accounts(dm_);
    accounts.open();
    const bool found = accounts.locateName(current_.userName);
    const bool matches = found && scramblePassword(edOld->text()) == accounts.dataset().text("B");
    if (const auto refusal = checkOwnPassword(found, matches, edNew->text(), edConfirm->text())) {
        refuse(*refusal);
        return;
    }
    data::Dataset& ds = accounts.dataset();
    ds.edit();
    ds.setValue("B", scramblePassword(edNew->text()));
    ds.post();
    accept();
}

void TfUser::btnCancelClick() { reject(); }

void TfUser::reject() {
    data::Dataset& ds = *dm_.Ust3;
    if (ds.isOpen()) ds.cancel();
    QDialog::reject();
}

void TfUser::btnSeeLimitClick() {
    TfTableChoice choice(dm_, TfTableChoice::Purpose::View, visibleList_, this);
    choice.exec();
    visibleList_ = choice.rightsList();
}

void TfUser::btnEditLimitClick() {
    TfTableChoice choice(dm_, TfTableChoice::Purpose::Edit, editableList_, this);
    choice.exec();
    editableList_ = choice.rightsList();
}

}  // namespace vexo::startup
