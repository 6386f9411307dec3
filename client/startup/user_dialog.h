#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexo::data {
class TfDM;
}

namespace vexo::startup {

class UserRights;

enum class UserDialogMode { Add, Change, OwnPassword };

// Why OK was refused: the message, and which password fields to clear.
struct UserRefusal {
    QString text;
    bool clearNewPasswords = false;
    bool clearOldPassword = false;
};

// OK in add and change mode, the checks in the order the user meets them.
// nameTaken is asked last, only when everything before has passed.
std::optional<UserRefusal> checkUserForm(UserDialogMode mode, const QString& name, const QString& newPassword,
                                         const QString& confirmation, const std::function<bool()>& nameTaken);
// OK in own-password mode.
std::optional<UserRefusal> checkOwnPassword(bool userFound, bool oldPasswordMatches, const QString& newPassword,
                                            const QString& confirmation);

// The user dialog: add a user, change the selected one (administrator
// window), or change one's own password.
class TfUser : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 10;

    // Change mode works on the current row of the dataset Ust3.
    TfUser(data::TfDM& dm, UserDialogMode mode, UserRights& current, QWidget* parent = nullptr);

    UserDialogMode mode() const { return mode_; }
    const QString& visibleList() const { return visibleList_; }
    const QString& editableList() const { return editableList_; }
    void setVisibleList(const QString& list) { visibleList_ = list; }
    void setEditableList(const QString& list) { editableList_ = list; }

    QLineEdit* edName;
    QLineEdit* edOld;
    QLineEdit* edNew;
    QLineEdit* edConfirm;
    QLabel* StatusBar1;
    QCheckBox* cbAdmin;
    QCheckBox* cbSeeAll;
    QCheckBox* cbEditAll;
    QPushButton* btnSeeLimit;
    QPushButton* btnEditLimit;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // "Отмена", Esc and the close button drop any pending change of UST3.
    void reject() override;

public slots:
    void btnOKClick();
    void btnCancelClick();
    void btnSeeLimitClick();
    void btnEditLimitClick();

private:
    void okAddOrChange();
    void okOwnPassword();
    void refuse(const UserRefusal& refusal);
    void updateLimitButtons();

    data::TfDM& dm_;
    UserDialogMode mode_;
    UserRights& current_;
    std::optional<qint64> rowId_;  // the user changed (change mode)
    QString storedPassword_;       // scrambled, as the row holds it
    QString storedName_;
    QString visibleList_;
    QString editableList_;
};

}  // namespace vexo::startup
