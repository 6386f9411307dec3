// The login window, the administrator window and the user dialog over a
// database with the users "sa" (1234, administrator) and "oper" (1111).
#include "data/settings_store.h"
#include "data/sql_text.h"
#include "startup/admin_window.h"
#include "startup/login_dialog.h"
#include "startup/password_scramble.h"
#include "startup/table_choice.h"
#include "startup/user_dialog.h"
#include "startup/user_rights.h"
#include "workspace_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vexo;
using namespace vexo::startup;

namespace {

struct Users : test::CatalogueDatabase {
    test::ScriptedDialogs dialogs;
    UserRights rights;
    Users() { setSetting("Ust3", "1"); }
    QString stored(const QString& name) {
        return dm.scalarText("select B from UST3 where A = " + data::sqlQuote(name));
    }
};

void typeLogin(TfLogin& w, const QString& name, const QString& password) {
    w.edName->setText(name);
    w.edPassword->setText(password);
    w.btnOK->click();
}

// Answers the modal window that opens next, once it is up.
template <class Window> void whenShown(std::function<void(Window&)> act) {
    QTimer::singleShot(0, [act] {
        auto* w = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        act(*w);
    });
}

}  // namespace

TEST(Login, PasswordSystemOffLetsEverybodyIn) {
    Users u;
    u.setSetting("Ust3", "2");
    EXPECT_TRUE(Login(u.dm, u.rights));
    EXPECT_EQ(u.rights.userName, "ParolOff");
    EXPECT_TRUE(u.dialogs.messages.isEmpty());
}

TEST(Login, KnownUserGetsTheRightsOfHisRow) {
    Users u;
    TfLogin w(u.dm, u.rights);
    EXPECT_EQ(w.windowTitle(), "Ввод пароля");
    EXPECT_EQ(w.edPassword->echoMode(), QLineEdit::Password);
    typeLogin(w, "oper", "1111");
    EXPECT_EQ(w.outcome(), TfLogin::Result::Accepted);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(u.rights.userName, "oper");
    EXPECT_FALSE(u.rights.administrator);
    EXPECT_FALSE(u.rights.seeAll);
    EXPECT_EQ(u.rights.visibleList, "1;2;101;");
    EXPECT_EQ(u.rights.editableList, "1;");
    EXPECT_TRUE(u.dialogs.messages.isEmpty());
    // The name is offered next time.
    TfLogin again(u.dm, u.rights);
    EXPECT_EQ(again.edName->text(), "oper");
}

TEST(Login, UnknownNameAndWrongPasswordAreCountedAndTold) {
    Users u;
    TfLogin w(u.dm, u.rights);
    w.show();
    typeLogin(w, "Oper", "1111");  // names match exactly
    ASSERT_EQ(u.dialogs.messages.size(), 1);
    EXPECT_EQ(u.dialogs.messages[0].text, "Незарегистрированное имя пользователя!");
    EXPECT_EQ(u.dialogs.messages[0].caption, "Ошибка");
    EXPECT_EQ(u.dialogs.messages[0].icon, ui::Icon::Warning);
    EXPECT_EQ(w.failures(), 1);
    EXPECT_TRUE(w.isVisible());

    typeLogin(w, "oper", "1111 ");  // a trailing blank is another password
    EXPECT_EQ(u.dialogs.texts().last(), "Неверный пароль!");
    EXPECT_TRUE(w.edPassword->text().isEmpty());
    EXPECT_EQ(w.failures(), 2);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(u.rights.isSet());

    typeLogin(w, "sa", "1234");  // the third try may still succeed
    EXPECT_EQ(w.outcome(), TfLogin::Result::Accepted);
    EXPECT_TRUE(u.rights.administrator);
}

TEST(Login, ThirdFailureClosesTheWindow) {
    Users u;
    whenShown<TfLogin>([](TfLogin& w) {
        typeLogin(w, "sa", "1");
        typeLogin(w, "nobody", "1234");
        typeLogin(w, "sa", "12345");
    });
    EXPECT_FALSE(Login(u.dm, u.rights));
    EXPECT_EQ(u.dialogs.texts(),
              (QStringList{"Неверный пароль!", "Незарегистрированное имя пользователя!", "Неверный пароль!"}));
    EXPECT_FALSE(u.rights.isSet());
}

TEST(Login, ThreeFailuresEndEvenAChangeOfUser) {
    Users u;
    u.rights.userName = "sa";
    u.rights.administrator = true;
    whenShown<TfLogin>([](TfLogin& w) {
        for (int i = 0; i < 3; ++i) typeLogin(w, "sa", "0");
    });
    EXPECT_FALSE(Login(u.dm, u.rights));
}

TEST(Login, CancelKeepsTheUserAtWork) {
    Users u;
    whenShown<TfLogin>([](TfLogin& w) { w.btnCancel->click(); });
    EXPECT_FALSE(Login(u.dm, u.rights));  // at start-up: nobody to keep

    u.rights.userName = "sa";
    whenShown<TfLogin>([](TfLogin& w) { w.btnCancel->click(); });
    EXPECT_TRUE(Login(u.dm, u.rights));  // a change of user keeps "sa"
    EXPECT_EQ(u.rights.userName, "sa");

    whenShown<TfLogin>([](TfLogin& w) { typeLogin(w, "oper", "1111"); });
    EXPECT_TRUE(Login(u.dm, u.rights));
    EXPECT_EQ(u.rights.userName, "oper");
}

TEST(AdminWindow, ControlsFollowTheUsers) {
    Users u;
    u.rights.setPasswordsOff();
    TfAdmin w(u.dm, u.rights);
    w.show();
    EXPECT_EQ(w.windowTitle(), "Администратор");
    EXPECT_EQ(w.ListBox1->count(), 2);
    EXPECT_TRUE(w.cbParol->isChecked());  // Ust3 is "1"
    EXPECT_TRUE(w.cbParol->isEnabled());
    EXPECT_TRUE(w.btnEdit->isEnabled());
    EXPECT_TRUE(w.btnEdit->isDefault());

    // Without an administrator the switch goes off and stays locked.
    u.dm.execSql("update UST3 set C = 'F'", true);
    w.FormShow();
    EXPECT_FALSE(w.cbParol->isChecked());
    EXPECT_FALSE(w.cbParol->isEnabled());
    EXPECT_TRUE(w.btnDel->isEnabled());

    u.dm.execSql("delete from UST3", true);
    w.FormShow();
    EXPECT_EQ(w.ListBox1->count(), 0);
    EXPECT_FALSE(w.btnEdit->isEnabled());
    EXPECT_FALSE(w.btnDel->isEnabled());
    EXPECT_FALSE(w.cbParol->isEnabled());

    // Leaving stores the switch as the box shows it.
    w.btnExit->click();
    EXPECT_EQ(data::SettingsStore(u.dm).read("Ust3"), QString("2"));
}

TEST(AdminWindow, ReservedUserCannotBeDeleted) {
    Users u;
    u.rights.setPasswordsOff();
    TfAdmin w(u.dm, u.rights);
    w.show();
    const auto sa = w.ListBox1->findItems("sa", Qt::MatchExactly);
    ASSERT_EQ(sa.size(), 1);
    w.ListBox1->setCurrentItem(sa.first());
    w.btnDel->click();
    ASSERT_EQ(u.dialogs.messages.size(), 1);
    EXPECT_EQ(u.dialogs.messages[0].text, "Нельзя удалить зарезервированного пользователя \"sa\"!");
    EXPECT_EQ(u.dialogs.messages[0].caption, "Внимание");
    EXPECT_EQ(u.dm.scalarInt("select count(*) from UST3"), 2);

    w.ListBox1->setCurrentItem(w.ListBox1->findItems("oper", Qt::MatchExactly).first());
    u.dialogs.answer(ui::Answer::Cancel);
    w.btnDel->click();
    EXPECT_EQ(u.dialogs.messages.last().text, "Удалить выбранного пользователя?");
    EXPECT_EQ(u.dialogs.messages.last().caption, "Удаление");
    EXPECT_EQ(u.dialogs.messages.last().defaultButton, ui::Answer::Cancel);
    EXPECT_EQ(u.dm.scalarInt("select count(*) from UST3"), 2);

    u.dialogs.answer(ui::Answer::Ok);
    w.btnDel->click();
    EXPECT_EQ(u.dm.scalarInt("select count(*) from UST3"), 1);
    EXPECT_EQ(w.ListBox1->count(), 1);
}

TEST(AdminWindow, SwitchStoredOnLeaving) {
    Users u;
    u.rights.setPasswordsOff();
    u.setSetting("Ust3", "2");
    TfAdmin w(u.dm, u.rights);
    w.show();
    EXPECT_FALSE(w.cbParol->isChecked());
    w.cbParol->setChecked(true);
    w.reject();  // Esc leaves like "Вы&ход"
    EXPECT_EQ(data::SettingsStore(u.dm).read("Ust3"), QString("1"));
}

TEST(UserDialog, AddModeChecksAndSaves) {
    Users u;
    u.rights.setPasswordsOff();
    TfUser w(u.dm, UserDialogMode::Add, u.rights);
    EXPECT_EQ(w.windowTitle(), "Администратор");
    EXPECT_FALSE(w.edOld->isEnabled());
    EXPECT_TRUE(w.cbSeeAll->isChecked());
    EXPECT_TRUE(w.cbEditAll->isChecked());
    EXPECT_FALSE(w.cbAdmin->isChecked());
    EXPECT_FALSE(w.btnSeeLimit->isEnabled());
    EXPECT_EQ(w.StatusBar1->text(), "Длина пароля: не более 10 символов");

    w.edName->setText("oper");
    w.edNew->setText("abc");
    w.edConfirm->setText("abd");
    w.btnOK->click();
    EXPECT_EQ(u.dialogs.texts().last(), "Неверное подтверждение нового пароля!");
    EXPECT_TRUE(w.edNew->text().isEmpty());
    EXPECT_TRUE(w.edConfirm->text().isEmpty());

    w.edNew->setText("abc");
    w.edConfirm->setText("abc");
    w.btnOK->click();
    EXPECT_EQ(u.dialogs.texts().last(), "Пользователь с указанным именем уже существует!");
    EXPECT_EQ(u.dm.scalarInt("select count(*) from UST3"), 2);

    // Ten characters and a byte Windows-1251 leaves unassigned survive the database.
    const QString password = QString::fromUtf8("xЂ34567890");
    w.edName->setText("ivan");
    w.edNew->setText(password);
    w.edConfirm->setText(password);
    w.cbEditAll->setChecked(false);
    EXPECT_TRUE(w.btnEditLimit->isEnabled());
    w.setEditableList("2;");
    w.btnOK->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(u.stored("ivan"), scramblePassword(password));
    EXPECT_EQ(u.dm.scalarText("select C || D || E || F from UST3 where A = 'ivan'"), "FTF2;");

    UserRights ivan;
    TfLogin login(u.dm, ivan);
    typeLogin(login, "ivan", password);
    EXPECT_EQ(login.outcome(), TfLogin::Result::Accepted);
    EXPECT_TRUE(ivan.mayEdit("2"));
    EXPECT_FALSE(ivan.mayEdit("1"));
}

TEST(UserDialog, ChangeModeKeepsAnUntouchedPassword) {
    Users u;
    u.rights.userName = "oper";  // logged in as the user being changed
    ASSERT_TRUE(u.dm.Ust3->locate("A", "oper"));
    TfUser w(u.dm, UserDialogMode::Change, u.rights);
    EXPECT_EQ(w.edName->text(), "oper");
    EXPECT_EQ(w.edNew->text(), "JIHG");  // the stored text, masked
    EXPECT_FALSE(w.cbSeeAll->isChecked());
    EXPECT_TRUE(w.btnSeeLimit->isEnabled());
    EXPECT_EQ(w.visibleList(), "1;2;101;");
    w.setVisibleList("1;");
    w.btnOK->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(u.stored("oper"), "JIHG");
    EXPECT_EQ(u.dm.scalarText("select G from UST3 where A = 'oper'"), "1;");
    EXPECT_EQ(u.rights.visibleList, "1;");  // the user at work follows his row

    ASSERT_TRUE(u.dm.Ust3->locate("A", "oper"));
    TfUser again(u.dm, UserDialogMode::Change, u.rights);
    again.edNew->setText("2222");
    again.edConfirm->setText("2222");
    again.edName->setText("sa");
    again.btnOK->click();
    EXPECT_EQ(u.dialogs.texts().last(), "Пользователь с указанным именем уже существует!");
    again.edName->setText("oper");
    again.btnOK->click();
    EXPECT_EQ(u.stored("oper"), scramblePassword("2222"));
}

TEST(UserDialog, OwnPasswordMode) {
    Users u;
    u.rights.userName = "oper";
    TfUser w(u.dm, UserDialogMode::OwnPassword, u.rights);
    EXPECT_EQ(w.windowTitle(), "Смена пароля");
    EXPECT_FALSE(w.edName->isEnabled());
    EXPECT_EQ(w.edName->text(), "oper");
    EXPECT_FALSE(w.cbAdmin->isEnabled());
    EXPECT_FALSE(w.btnSeeLimit->isEnabled());

    w.edOld->setText("1112");
    w.edNew->setText("5555");
    w.edConfirm->setText("5555");
    w.btnOK->click();
    EXPECT_EQ(u.dialogs.texts().last(), "Неверный старый пароль!");
    EXPECT_TRUE(w.edOld->text().isEmpty());
    EXPECT_EQ(u.stored("oper"), "JIHG");

    w.edOld->setText("1111");
    w.btnOK->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(u.stored("oper"), scramblePassword("5555"));
    // No password is ever put into a message.
    for (const auto& m : u.dialogs.messages) {
        EXPECT_FALSE(m.text.contains("1111"));
        EXPECT_FALSE(m.text.contains("5555"));
    }
}

TEST(TableChoiceWindow, TitleTicksAndGroups) {
    Users u;
    TfTableChoice view(u.dm, TfTableChoice::Purpose::View, "1;101;");
    EXPECT_EQ(view.windowTitle(), "Выбор таблиц [просмотр]");
    ASSERT_EQ(view.clbTables->count(), 8);
    EXPECT_EQ(view.clbTables->item(0)->text(), "[Квартальные формы] Ф.12 т.1000 Коечный фонд");
    EXPECT_EQ(view.rightsList(), "1;101;");
    view.clbTables->setCurrentRow(0);
    view.btnGroupClick();
    EXPECT_EQ(view.rightsList(), "1;2;3;101;");
    view.clbTables->item(7)->setCheckState(Qt::Checked);
    EXPECT_EQ(view.rightsList(), "1;2;3;101;400;");
    view.btnNoneClick();
    EXPECT_EQ(view.rightsList(), "");
    TfTableChoice edit(u.dm, TfTableChoice::Purpose::Edit, "");
    EXPECT_EQ(edit.windowTitle(), "Выбор таблиц [редактирование]");
}
