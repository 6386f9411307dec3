#pragma once

#include "user_accounts.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace vexo::data {
class TfDM;
}

namespace vexo::startup {

class UserRights;

// The window "Администратор": the users of the password system and its switch.
class TfAdmin : public QDialog {
    Q_OBJECT
public:
    TfAdmin(data::TfDM& dm, UserRights& current, QWidget* parent = nullptr);

    QListWidget* ListBox1;
    QPushButton* btnAdd;
    QPushButton* btnDel;
    QPushButton* btnEdit;
    QPushButton* btnExit;
    QCheckBox* cbParol;

    // Esc and the close button leave like "Вы&ход": the switch is stored.
    void reject() override;

public slots:
    void FormShow();
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList(int select);
    void applyControls();
    bool selectCurrentUser();

    data::TfDM& dm_;
    UserRights& current_;
    UserAccounts accounts_;
    bool closing_ = false;
};

}  // namespace vexo::startup
