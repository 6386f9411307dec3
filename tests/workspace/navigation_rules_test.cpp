// Date and code rules of the workspace: default period and year, greeting,
// go-to codes, and the rules behind the menu.
#include "workspace/greeting.h"
#include "workspace/menu_state.h"
#include "workspace/period_rules.h"
#include "workspace/table_navigation.h"

#include <gtest/gtest.h>

using namespace vexo::workspace;

TEST(DefaultPeriod, ByPeriodicityAndMonth) {
    struct Case {
        const char* periodicity;
        int month;
        int current;
        int expected;
    };
    const Case cases[] = {
        // Quarterly: the quarter just ended, January the year's last.
        {"кв", 1, -1, 3}, {"кв", 2, -1, 0}, {"кв", 4, -1, 0}, {"кв", 5, 6, 1}, {"кв", 7, 6, 1},
        {"кв", 8, 6, 2}, {"кв", 10, 6, 2}, {"кв", 11, 6, 3}, {"кв", 12, 6, 3},
        {"кв", 5, 2, 2},  // a quarter already chosen stays
        {"кв", 5, 4, 1},  // a half-year does not
        // Half-yearly.
        {"пг", 1, -1, 5}, {"пг", 2, 0, 4}, {"пг", 7, 0, 4}, {"пг", 8, 0, 5}, {"пг", 12, 0, 5}, {"пг", 3, 5, 5},
        // Monthly: the month just ended.
        {"мс", 1, 0, 18}, {"мс", 2, 0, 7}, {"мс", 5, 0, 10}, {"мс", 12, 0, 17}, {"мс", 5, 9, 9},
        // Yearly always the year.
        {"гд", 5, 2, 6}, {"гд", 1, 9, 6},
        // Unknown periodicity: nothing changes.
        {"??", 5, 2, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(defaultPeriodIndex(QString::fromUtf8(c.periodicity), c.month, c.current), c.expected)
            << c.periodicity << " month " << c.month << " current " << c.current;
}

TEST(DefaultPeriod, WhatFitsEachPeriodicity) {
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(periodFits("кв", i), i <= 3 || i >= 19) << i;
        EXPECT_EQ(periodFits("пг", i), i == 4 || i == 5) << i;
        EXPECT_EQ(periodFits("мс", i), i >= 7 && i <= 18) << i;
        EXPECT_EQ(periodFits("гд", i), i == 6) << i;
    }
    EXPECT_EQ(periodicityWords("кв"), "квартал");
    EXPECT_EQ(periodicityWords("пг"), "полугодие");
    EXPECT_EQ(periodicityWords("мс"), "месяц");
    EXPECT_EQ(periodicityWords("гд"), "год");
    EXPECT_EQ(quarterNames(true).first(), "За 3 месяца");
    EXPECT_EQ(quarterNames(false).last(), "IV квартал");
}

TEST(DefaultYear, JanuaryReportsTheYearJustEnded) {
    EXPECT_EQ(defaultYear(QDate(2024, 1, 1)), 2023);
    EXPECT_EQ(defaultYear(QDate(2024, 1, 31)), 2023);
    EXPECT_EQ(defaultYear(QDate(2024, 2, 1)), 2024);
    EXPECT_EQ(defaultYear(QDate(2024, 12, 31)), 2024);
}

TEST(Greeting, ByDayAndMonth) {
    struct Case {
        QDate day;
        const char* hint;  // nullptr: none
    };
    const Case cases[] = {
        {{2023, 12, 31}, "С Новым Годом!"},
        {{2023, 12, 25}, "С Новым Годом!"},
        {{2024, 12, 24}, nullptr},
        {{2024, 1, 1}, nullptr},
        {{2024, 2, 23}, "С Днем защитника Отечества!"},
        {{2024, 2, 24}, nullptr},
        {{2024, 3, 2}, "С 8 Марта!"},
        {{2024, 4, 25}, "С Праздником!"},
        {{2024, 5, 1}, "С Праздником!"},  // the range runs over the month's end
        {{2024, 5, 2}, nullptr},
        {{2024, 5, 9}, "Помним! Гордимся!"},
        {{2024, 6, 12}, "С Праздником!"},
        {{2024, 11, 4}, "С Праздником!"},
        {{2024, 11, 5}, nullptr},
    };
    for (const Case& c : cases) {
        const auto got = greetingFor(c.day);
        if (c.hint) {
            ASSERT_TRUE(got) << c.day.toString().toStdString();
            EXPECT_EQ(*got, QString::fromUtf8(c.hint));
        } else {
            EXPECT_FALSE(got) << c.day.toString().toStdString();
        }
    }
}

TEST(GoToCodes, PaddedOnTheLeftWithZeros) {
    struct Case {
        const char* form;
        const char* table;
        const char* formTbl;
    };
    const Case cases[] = {
        {"12", "1000", "0001200001000"},
        {"00012", "1000", "0001200001000"},
        {" 12 ", "10", "0001200000010"},
        {"", "", "0000000000000"},
        {"123456", "1", "1234560000" "0001"},  // longer text is not cut
    };
    for (const Case& c : cases) EXPECT_EQ(goToCodes(c.form, c.table).formTbl, c.formTbl) << c.form << "/" << c.table;
    const GoToCodes g = goToCodes("12", "1000");
    EXPECT_EQ(g.formKod, "0001200");
    EXPECT_EQ(g.tblKod, "001000");
    EXPECT_EQ(formBoxText("0001200"), "00012");
    EXPECT_EQ(tableBoxText("001000"), "1000");
}

namespace {

MenuInputs ordinary() {
    MenuInputs in;
    in.userName = "ParolOff";
    in.themeCode = "010";
    in.vidSvoda = "свод:_сумма";
    return in;
}

}  // namespace

TEST(MenuRules, UsersAndPasswords) {
    using M = MenuItem;
    MenuInputs in = ordinary();  // password system off: everybody an administrator
    MenuState st = MenuState::compute(in);
    EXPECT_TRUE(st[M::Admin].enabled);
    EXPECT_EQ(st[M::Admin].hint, "Изменение уровней прав доступа, имен пользователей, паролей");
    EXPECT_FALSE(st[M::ChangeUser].enabled);
    EXPECT_EQ(st[M::ChangeUser].hint, "Для входа в программу под другим именем включите систему паролей");
    EXPECT_FALSE(st[M::ChangePassword].enabled);
    EXPECT_EQ(st[M::ChangePassword].hint, "Для изменения пароля на вход в программу включите систему паролей");
    EXPECT_FALSE(st[M::Service].visible);

    in.passwordsOn = true;
    in.userName = "oper";
    in.administrator = false;
    st = MenuState::compute(in);
    EXPECT_FALSE(st[M::Admin].enabled);
    EXPECT_EQ(st[M::Admin].hint, "У Вас нет прав администратора");
    EXPECT_TRUE(st[M::ChangeUser].enabled);
    EXPECT_TRUE(st[M::ChangePassword].enabled);
    EXPECT_EQ(st[M::ChangePassword].hint, "Изменение пароля на вход в программу");

    in.userName = "sa";
    in.administrator = true;
    st = MenuState::compute(in);
    EXPECT_FALSE(st[M::ChangePassword].enabled);
    EXPECT_EQ(st[M::ChangePassword].hint, "Для изменения пароля воспользуйтесь пунктом \"Администратор\"");
    EXPECT_TRUE(st[M::Service].visible);
    EXPECT_TRUE(st[M::ServiceSeparator].visible);
    EXPECT_FALSE(st[M::MedstatExport].visible);  // hidden even for "sa"
}

TEST(MenuRules, DerivedThemeItems) {
    using M = MenuItem;
    MenuInputs in = ordinary();
    const M derived[] = {M::InterFormControl, M::InterYearControl, M::AutoCalcCell, M::ShowCellFormula};
    for (M item : derived) EXPECT_FALSE(MenuState::compute(in)[item].visible);
    in.themeCode = "999";
    for (M item : derived) EXPECT_TRUE(MenuState::compute(in)[item].visible);
}

TEST(MenuRules, OfficeOutputAndDataItems) {
    using M = MenuItem;
    MenuInputs in = ordinary();
    in.periodOnly = true;
    MenuState st = MenuState::compute(in);
    EXPECT_FALSE(st[M::ExportWord].enabled);
    EXPECT_EQ(st[M::ExportWord].hint, "Для доступа к функции включите флажки на панелях территории и отчетного периода");
    EXPECT_FALSE(st[M::ToolExcel].enabled);
    EXPECT_FALSE(st[M::DeleteData].enabled);
    EXPECT_EQ(st[M::DeleteData].hint, st[M::ExportWord].hint);
    EXPECT_FALSE(st[M::MoveData].enabled);
    EXPECT_EQ(st[M::CopyData].hint, "Для доступа к функции таблица должна содержать хотя бы одну запись");

    in.territoryOnly = true;
    st = MenuState::compute(in);
    EXPECT_TRUE(st[M::ExportWord].enabled);
    EXPECT_TRUE(st[M::ToolWord].enabled);
    EXPECT_FALSE(st[M::DeleteData].enabled);  // no rows yet
    EXPECT_EQ(st[M::DeleteData].hint, "Для доступа к функции таблица должна содержать хотя бы одну запись");

    in.rowCount = 3;
    st = MenuState::compute(in);
    EXPECT_TRUE(st[M::DeleteData].enabled);
    EXPECT_TRUE(st[M::MoveData].enabled);
    EXPECT_TRUE(st[M::CopyData].enabled);

    in.rowCount = 0;
    in.themeCode = "999";  // derived tables are filled from others
    st = MenuState::compute(in);
    EXPECT_TRUE(st[M::MoveData].enabled);
    EXPECT_TRUE(st[M::CopyData].enabled);
}

TEST(MenuRules, ArraysByKindOfTable) {
    using M = MenuItem;
    MenuInputs in = ordinary();
    MenuState st = MenuState::compute(in);  // summing, without fixed rows
    EXPECT_FALSE(st[M::RowArray].enabled);
    EXPECT_EQ(st[M::RowArray].hint,
              "Для данной таблицы функция строчного массива не имеет смысла, т.к. таблица однострочная");
    EXPECT_EQ(st[M::Analytic].hint, "Данная функция работает с многострочными таблицами");
    EXPECT_TRUE(st[M::RowTimeArray].enabled);
    EXPECT_TRUE(st[M::TerrTimeArray].enabled);

    in.rowMode = true;
    st = MenuState::compute(in);
    EXPECT_TRUE(st[M::RowArray].enabled);
    EXPECT_TRUE(st[M::ColArray].enabled);
    EXPECT_TRUE(st[M::Analytic].enabled);

    in.vidSvoda = "свод:список";
    st = MenuState::compute(in);
    EXPECT_EQ(st[M::ColArray].hint, "Для данной таблицы функция графного массива не имеет смысла");
    EXPECT_EQ(st[M::Analytic].hint, "Для данной таблицы функция не имеет смысла");
    EXPECT_FALSE(st[M::TerrTimeArray].enabled);
    EXPECT_EQ(st[M::TerrTimeArray].hint, "Для данной таблицы функция строчного временного массива не имеет смысла");
}

TEST(MenuRules, GroupTablesViewRightsAndNavigation) {
    using M = MenuItem;
    MenuInputs in = ordinary();
    MenuState st = MenuState::compute(in);
    EXPECT_TRUE(st.groupSubItems());
    EXPECT_TRUE(st[M::SvodGroup].visible);
    in.groupTablesPresent = false;
    st = MenuState::compute(in);
    EXPECT_FALSE(st.groupSubItems());
    EXPECT_FALSE(st[M::SvodTable].visible);
    EXPECT_FALSE(st[M::RowArrayGroup].visible);

    in.mayViewTable = false;
    st = MenuState::compute(in);
    for (M item : {M::MenuTables, M::MenuAnalysis, M::Svod, M::ToolSvod, M::ToolWord})
        EXPECT_FALSE(st[item].visible) << static_cast<int>(item);
    EXPECT_TRUE(st[M::MenuService].visible);

    in.atFirstTable = true;
    st = MenuState::compute(in);
    EXPECT_FALSE(st[M::Previous].enabled);
    EXPECT_TRUE(st[M::Next].enabled);
    EXPECT_EQ(statusPart("короткая|длинная"), "длинная");
    EXPECT_EQ(statusPart("одна"), "одна");
}
