// Users and rights without windows: the scramble, the rights lists, the
// checks of the user dialog and the administrator window's controls.
#include "data/text_codec.h"
#include "startup/password_scramble.h"
#include "startup/table_choice.h"
#include "startup/user_accounts.h"
#include "startup/user_dialog.h"
#include "startup/user_rights.h"

#include <gtest/gtest.h>

using namespace vexo;
using namespace vexo::startup;

namespace {

std::string bytes(const QString& s) { return data::toCp1251(s); }

}  // namespace

TEST(Scramble, StoredFormOfKnownPasswords) {
    struct Case {
        QString typed;
        std::string stored;
    };
    const Case cases[] = {
        {"", ""},
        {"1234", "JJJJ"},  // every next character moves one less
        {"1111", "JIHG"},
        {"a", std::string(1, char('a' + 25))},
        {QString::fromUtf8("я"), std::string(1, char(0x18))},   // 0xFF + 25 wraps round
        {QString::fromUtf8("з"), std::string(1, char(0x00))},   // 0xE7 + 25 is 256
        {QString::fromUtf8("xЂ"), std::string{char('x' + 25), char(0x98)}},  // the byte without a character
    };
    for (const Case& c : cases) EXPECT_EQ(bytes(scramblePassword(c.typed)), c.stored) << c.typed.toStdString();
}

TEST(Scramble, TrailingBlankMakesAnotherPassword) {
    const QString plain = scramblePassword(QString::fromUtf8("абв"));
    const QString blank = scramblePassword(QString::fromUtf8("абв "));
    EXPECT_NE(plain, blank);
    EXPECT_TRUE(blank.startsWith(plain));
    EXPECT_EQ(blank.size(), 4);
}

TEST(RightsList, WholeWordsOnly) {
    struct Case {
        const char* list;
        const char* ntbl;
        bool has;
    };
    const Case cases[] = {
        {"101;102;", "10", false}, {"101;102;", "1", false}, {"101;102;", "101", true}, {"101;102;", "102", true},
        {"1;2;", "2", true},       {"1;2", "2", true},       {"", "1", false},          {"1;", "", false},
        {" 5 ;", "5", true},       {"010;", "10", true},
    };
    for (const Case& c : cases) EXPECT_EQ(rightsListHas(c.list, c.ntbl), c.has) << c.list << " / " << c.ntbl;
}

TEST(UserRights, PasswordsOffPassesEveryTest) {
    UserRights r;
    EXPECT_FALSE(r.isSet());
    EXPECT_FALSE(r.mayView("1"));
    r.setPasswordsOff();
    EXPECT_EQ(r.userName, "ParolOff");
    EXPECT_TRUE(r.passwordsOff());
    EXPECT_TRUE(r.administrator);
    EXPECT_TRUE(r.mayView("999"));
    EXPECT_TRUE(r.mayEdit("999"));
}

TEST(UserRights, ListsApplyWithoutTheAllFlags) {
    UserRights r;
    r.userName = "oper";
    r.visibleList = "101;102;";
    r.editableList = "101;";
    EXPECT_TRUE(r.mayView("102"));
    EXPECT_FALSE(r.mayView("10"));
    EXPECT_TRUE(r.mayEdit("101"));
    EXPECT_FALSE(r.mayEdit("102"));
    r.seeAll = true;
    EXPECT_TRUE(r.mayView("10"));
    EXPECT_FALSE(r.mayEdit("10"));
    EXPECT_FALSE(r.isReservedUser());
    r.userName = "sa";
    EXPECT_TRUE(r.isReservedUser());
}

TEST(UserForm, ChecksInTheirOrder) {
    struct Case {
        const char* what;
        UserDialogMode mode;
        QString name, password, confirmation;
        bool taken;
        QString message;  // empty: accepted
        bool clears;
    };
    const auto add = UserDialogMode::Add;
    const auto change = UserDialogMode::Change;
    const Case cases[] = {
        {"blank name first", add, "  ", "", "x", true, "Введите имя пользователя!", false},
        {"add needs a password", add, "ivan", "", "", true, "Введите новый пароль!", false},
        {"change keeps an empty one", change, "ivan", "", "", false, "", false},
        {"ten characters", add, "ivan", "1234567890", "1234567890", false, "", false},
        {"eleven characters", add, "ivan", "12345678901", "12345678901", false, "Длина пароля больше 10 символов!",
         false},
        {"length before confirmation", add, "ivan", "12345678901", "1", false, "Длина пароля больше 10 символов!",
         false},
        {"confirmation clears both", change, "ivan", "abc", "abd", true, "Неверное подтверждение нового пароля!",
         true},
        {"name length after the passwords", add, "ivanivanivan", "abc", "abc", true,
         "Длина имени пользователя должна быть не более 10 символов!", false},
        {"taken name last", add, "ivan", "abc", "abc", true, "Пользователь с указанным именем уже существует!", false},
    };
    for (const Case& c : cases) {
        int asked = 0;
        const auto refusal = checkUserForm(c.mode, c.name, c.password, c.confirmation, [&] {
            ++asked;
            return c.taken;
        });
        if (c.message.isEmpty()) {
            EXPECT_FALSE(refusal) << c.what;
            continue;
        }
        ASSERT_TRUE(refusal) << c.what;
        EXPECT_EQ(refusal->text, c.message) << c.what;
        EXPECT_EQ(refusal->clearNewPasswords, c.clears) << c.what;
        // The database is asked about the name only when all else passed.
        EXPECT_EQ(asked, c.message.startsWith("Пользователь") ? 1 : 0) << c.what;
    }
}

TEST(UserForm, OwnPasswordChecks) {
    EXPECT_EQ(checkOwnPassword(false, false, "a", "a")->text, "Незарегистрированное имя пользователя!");
    const auto wrongOld = checkOwnPassword(true, false, "a", "a");
    EXPECT_EQ(wrongOld->text, "Неверный старый пароль!");
    EXPECT_TRUE(wrongOld->clearOldPassword);
    EXPECT_EQ(checkOwnPassword(true, true, "", "")->text, "Введите новый пароль!");
    EXPECT_EQ(checkOwnPassword(true, true, "12345678901", "12345678901")->text, "Длина пароля больше 10 символов!");
    EXPECT_TRUE(checkOwnPassword(true, true, "a", "b")->clearNewPasswords);
    EXPECT_FALSE(checkOwnPassword(true, true, "1234567890", "1234567890"));
}

TEST(AdminControls, SwitchNeedsAnAdministrator) {
    struct Case {
        int users;
        bool admin;
        bool ticked;
        AdminControls expected;
    };
    const Case cases[] = {
        {0, false, true, {false, false, false, false}},
        {2, false, true, {true, true, false, false}},
        {2, true, true, {true, true, true, true}},
        {2, true, false, {true, true, true, false}},
    };
    for (const Case& c : cases) {
        const AdminControls got = adminControls(c.users, c.admin, c.ticked);
        EXPECT_EQ(got.change, c.expected.change) << c.users << c.admin;
        EXPECT_EQ(got.remove, c.expected.remove) << c.users << c.admin;
        EXPECT_EQ(got.passwordCheckEnabled, c.expected.passwordCheckEnabled) << c.users << c.admin;
        EXPECT_EQ(got.passwordChecked, c.expected.passwordChecked) << c.users << c.admin;
    }
}

TEST(TableChoice, TicksGroupsAndTheResultingList) {
    std::vector<TableChoiceItem> items = {
        {"010", "Квартальные", "Таблица 1", "1"},
        {"010", "Квартальные", "Таблица 10", "10"},
        {"040", "Годовые", "Таблица 101", "101"},
    };
    EXPECT_EQ(items[0].text(), "[Квартальные] Таблица 1");
    TableChoiceList list(items, "101;1;");
    EXPECT_TRUE(list.items()[0].ticked);
    EXPECT_FALSE(list.items()[1].ticked);  // "101;" does not hold 10
    EXPECT_EQ(list.rightsList(), "1;101;");  // in list order
    list.setGroup(1, true);
    EXPECT_EQ(list.rightsList(), "1;10;101;");
    list.setGroup(0, false);
    EXPECT_EQ(list.rightsList(), "101;");
    list.setAll(false);
    EXPECT_EQ(list.rightsList(), "");
    list.setAll(true);
    list.setTicked(2, false);
    EXPECT_EQ(list.rightsList(), "1;10;");
}
