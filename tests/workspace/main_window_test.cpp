// The main window over a small catalogue: showing it, themes, periods,
// moving between tables, the menu and its rules, the files it opens.
#include "data/settings_store.h"
#include "startup/database_connection.h"
#include "ui/app_error.h"
#include "workspace/about_window.h"
#include "workspace/catalogue_panel.h"
#include "workspace/compact_bar.h"
#include "workspace/greeting.h"
#include "workspace/hint_router.h"
#include "workspace/main_menu.h"
#include "workspace/period_panel.h"
#include "workspace/territory_panel.h"
#include "workspace/tf_main.h"
#include "workspace_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace vexo;
using namespace vexo::workspace;
using test::Workspace;
using M = MenuItem;

namespace {

QString title(TfMain& w) { return w.lblTitle->text(); }
QAction* item(TfMain& w, MenuItem i) { return w.mainMenu().action(i); }
int themeOf(TfMain& w, const QString& code) { return w.catalogue().indexOfTheme(code); }

void goTo(TfMain& w, const QString& form, const QString& table) {
    w.pnlTop->edForm->setText(form);
    w.pnlTop->edTable->setText(table);
    w.btnGoClick();
}

}  // namespace

TEST(MainWindow, ShowLoadsTheCatalogueAndOpensTheFirstTable) {
    Workspace ws;
    QSignalSpy opening(&ws.create(), &TfMain::tableOpening);
    TfMain& w = ws.show(QDate(2024, 5, 15));
    EXPECT_EQ(w.windowTitle(), "Ривента");
    EXPECT_EQ(w.pnlTop->cbTheme->count(), 6);
    EXPECT_EQ(w.pnlTop->cbTheme->currentText(), "Квартальные формы");
    EXPECT_EQ(w.pnlTop->lblPeriodicity->text(), "квартал");
    // The catalogue lists hold every table in the order "formkod,tblkod".
    ASSERT_EQ(w.catalogue().tableCount(), 8);
    EXPECT_EQ(w.catalogue().table(0).ntbl, "20");
    EXPECT_EQ(w.catalogue().table(1).formSub, "12");
    EXPECT_EQ(w.catalogue().groups().size(), 1u);
    // The table list shows the first theme only.
    EXPECT_EQ(w.pnlTop->dbgTables->model()->rowCount(), 3);
    EXPECT_EQ(title(w), "Ф.12 т.1000 Коечный фонд");
    EXPECT_EQ(w.currentTableInfo()->ntbl, "1");
    EXPECT_EQ(w.pnlTop->edForm->text(), "00012");
    EXPECT_EQ(w.pnlTop->edTable->text(), "1000");
    ASSERT_EQ(opening.size(), 1);
    EXPECT_EQ(opening[0][0].toString(), "Ф.12 т.1000 Коечный фонд");
    EXPECT_EQ(opening[0][1].toString(), "0001200");
    EXPECT_EQ(opening[0][2].toString(), "001000");
    // Periods without the cumulative ones, in their stored order.
    EXPECT_EQ(w.pnlPeriod->cbPeriod->count(), 19);
    EXPECT_EQ(w.pnlPeriod->cbPeriod->itemText(4), "I полугодие");
    EXPECT_EQ(w.pnlPeriod->cbPeriod->itemText(7), "Январь");
    EXPECT_EQ(w.periodName(), "II квартал");
    EXPECT_EQ(w.year(), 2024);
    EXPECT_EQ(w.pnlPeriod->seYear->minimum(), 1990);
    EXPECT_EQ(w.pnlPeriod->seYear->maximum(), 2099);
    // Status bar and the default territory.
    EXPECT_EQ(w.statusText(0), "Количество записей: 0");
    EXPECT_TRUE(w.statusText(1).startsWith("База: "));
    EXPECT_EQ(w.pnlTerritory->lblLpuName->text(), "Область");
    EXPECT_FALSE(w.pnlCompact->isVisibleTo(&w));
    EXPECT_TRUE(ws.dialogs.messages.isEmpty());
}

TEST(MainWindow, DateRulesFollowTheInjectedClock) {
    struct Case {
        QDate day;
        const char* period;
        int year;
        bool greeting;
    };
    const Case cases[] = {
        {{2024, 1, 15}, "IV квартал", 2023, false},
        {{2024, 2, 1}, "I квартал", 2024, false},
        {{2024, 5, 15}, "II квартал", 2024, false},
        {{2023, 12, 31}, "IV квартал", 2023, true},
        {{2024, 1, 1}, "IV квартал", 2023, false},
    };
    for (const Case& c : cases) {
        Workspace ws;
        TfMain& w = ws.show(c.day);
        EXPECT_EQ(w.periodName(), c.period) << c.day.toString().toStdString();
        EXPECT_EQ(w.year(), c.year) << c.day.toString().toStdString();
        EXPECT_EQ(w.pnlTop->imgGreeting->isVisibleTo(&w), c.greeting) << c.day.toString().toStdString();
        if (c.greeting) EXPECT_EQ(w.pnlTop->imgGreeting->toolTip(), "С Новым Годом!");
    }
}

TEST(MainWindow, ThemeChangeOpensItsFirstTableAndDefaultPeriod) {
    Workspace ws;
    TfMain& w = ws.show(QDate(2024, 5, 15));
    struct Case {
        const char* theme;
        const char* table;
        const char* period;
        const char* words;
    };
    const Case cases[] = {
        {"020", "Ф.30 т.1000 Посещения", "I полугодие", "полугодие"},
        {"030", "Ф.7 т.1000 Инфекции", "Апрель", "месяц"},
        {"040", "Ф.17 т.1000 Кадры", "Весь год", "год"},
        {"010", "Ф.12 т.1000 Коечный фонд", "II квартал", "квартал"},
    };
    for (const Case& c : cases) {
        w.cbThemeChange(themeOf(w, c.theme));
        EXPECT_EQ(title(w), c.table) << c.theme;
        EXPECT_EQ(w.periodName(), c.period) << c.theme;
        EXPECT_EQ(w.pnlTop->lblPeriodicity->text(), c.words) << c.theme;
        EXPECT_EQ(w.themeCode(), c.theme);
    }
    // A quarter chosen by hand stays while the theme is quarterly.
    w.pnlPeriod->cbPeriod->setCurrentIndex(2);
    w.cbPeriodChange(2);
    w.cbThemeChange(themeOf(w, "010"));
    EXPECT_EQ(w.periodName(), "III квартал");
    w.cbThemeChange(themeOf(w, "040"));
    w.cbThemeChange(themeOf(w, "010"));
    EXPECT_EQ(w.periodName(), "II квартал");  // the yearly theme had taken the year
    w.cbThemeChange(themeOf(w, "030"));
    w.pnlPeriod->cbPeriod->setCurrentIndex(9);
    w.cbPeriodChange(9);
    w.cbThemeChange(themeOf(w, "030"));
    EXPECT_EQ(w.periodName(), "Март");  // a month stays in a monthly theme
}

TEST(MainWindow, PeriodOfAnotherKindIsPutBack) {
    Workspace ws;
    TfMain& w = ws.show(QDate(2024, 5, 15));
    QSignalSpy opening(&w, &TfMain::tableOpening);
    QComboBox* periods = w.pnlPeriod->cbPeriod;
    periods->setCurrentIndex(8);  // "Февраль" in a quarterly theme
    w.cbPeriodChange(8);
    EXPECT_EQ(w.periodName(), "II квартал");
    periods->setCurrentIndex(3);
    w.cbPeriodChange(3);
    EXPECT_EQ(w.periodName(), "IV квартал");
    periods->setCurrentIndex(6);
    w.cbPeriodChange(6);
    EXPECT_EQ(w.periodName(), "IV квартал");  // the last accepted one
    EXPECT_EQ(opening.size(), 3);  // the table is opened again each time
    w.pnlPeriod->seYear->setValue(2020);
    EXPECT_EQ(opening.size(), 4);
    EXPECT_EQ(w.year(), 2020);
}

TEST(MainWindow, GoToPadsTheCodes) {
    Workspace ws;
    TfMain& w = ws.show();
    goTo(w, "12", "2000");
    EXPECT_EQ(title(w), "Ф.12 т.2000 Хирургическая работа");
    EXPECT_EQ(w.pnlTop->edForm->text(), "00012");
    goTo(w, "0014", "1000");
    EXPECT_EQ(title(w), "Ф.14 т.1000 Список выбывших");
    goTo(w, "12", "1");  // no such table
    EXPECT_EQ(title(w), "Ф.14 т.1000 Список выбывших");
    goTo(w, "17", "1000");  // a table of another theme
    EXPECT_EQ(title(w), "Ф.14 т.1000 Список выбывших");
    // The compact bar's boxes do the same.
    w.pnlCompact->edForm->setText("12");
    w.pnlCompact->edTable->setText("1000");
    w.pnlCompact->btnGo->click();
    EXPECT_EQ(title(w), "Ф.12 т.1000 Коечный фонд");
    EXPECT_TRUE(ws.dialogs.messages.isEmpty());
}

TEST(MainWindow, PreviousAndNextAtBothEnds) {
    Workspace ws;
    TfMain& w = ws.show();
    const auto state = [&] {
        return std::make_pair(w.pnlTop->btnPrev->isEnabled(), w.pnlTop->btnNext->isEnabled());
    };
    EXPECT_EQ(state(), std::make_pair(false, true));
    EXPECT_FALSE(item(w, M::Previous)->isEnabled());
    w.btnNextClick();
    EXPECT_EQ(title(w), "Ф.12 т.2000 Хирургическая работа");
    EXPECT_EQ(state(), std::make_pair(true, true));
    item(w, M::Next)->trigger();
    EXPECT_EQ(title(w), "Ф.14 т.1000 Список выбывших");
    EXPECT_EQ(state(), std::make_pair(true, false));
    EXPECT_FALSE(item(w, M::Next)->isEnabled());
    EXPECT_FALSE(w.pnlCompact->btnNext->isEnabled());
    w.btnPrevClick();
    EXPECT_EQ(state(), std::make_pair(true, true));
    w.pnlCompact->btnPrev->click();
    EXPECT_EQ(title(w), "Ф.12 т.1000 Коечный фонд");
    EXPECT_EQ(state(), std::make_pair(false, true));
}

TEST(MainWindow, ThemeWithoutTablesIsReported) {
    Workspace ws;
    TfMain& w = ws.show();
    EXPECT_THROW(w.cbThemeChange(themeOf(w, "050")), AppError);
    EXPECT_EQ(w.currentTable(), -1);
    EXPECT_TRUE(title(w).isEmpty());
}

TEST(MainWindow, MenuFollowsRightsAndTheme) {
    Workspace ws;
    ws.setSetting("Ust3", "1");
    TfMain& w = ws.create();
    w.rights().userName = "oper";
    w.rights().visibleList = "1;2;101;";
    ws.show();
    EXPECT_FALSE(item(w, M::Admin)->isEnabled());
    EXPECT_EQ(item(w, M::Admin)->statusTip(), "У Вас нет прав администратора");
    EXPECT_TRUE(item(w, M::ChangeUser)->isEnabled());
    EXPECT_TRUE(item(w, M::ChangePassword)->isEnabled());
    EXPECT_FALSE(item(w, M::Service)->isVisible());
    EXPECT_FALSE(item(w, M::InterFormControl)->isVisible());

    // A table not in the visible list: the grid gives way to the refusal.
    w.btnNextClick();
    w.btnNextClick();
    EXPECT_EQ(w.currentTableInfo()->ntbl, "3");
    EXPECT_EQ(w.pnlGrid->currentWidget(), w.lblNoRights);
    EXPECT_EQ(w.lblNoRights->text(), "У Вас нет прав на работу с выбранной таблицей.");
    EXPECT_FALSE(item(w, M::MenuTables)->isVisible());
    EXPECT_FALSE(item(w, M::ToolWord)->isVisible());
    w.btnPrevClick();  // F7 still works: table 2 may be seen
    EXPECT_EQ(w.pnlGrid->currentWidget(), w.gridArea());
    EXPECT_TRUE(item(w, M::MenuTables)->isVisible());

    w.cbThemeChange(themeOf(w, "999"));
    for (M i : {M::InterFormControl, M::InterYearControl, M::AutoCalcCell, M::ShowCellFormula})
        EXPECT_TRUE(item(w, i)->isVisible()) << static_cast<int>(i);
    w.cbThemeChange(themeOf(w, "040"));
    EXPECT_FALSE(item(w, M::AutoCalcCell)->isVisible());
}

TEST(MainWindow, ReservedUserSeesTheServiceFunctions) {
    Workspace ws;
    ws.setSetting("Ust3", "1");
    TfMain& w = ws.create();
    w.rights().userName = "sa";
    w.rights().administrator = w.rights().seeAll = w.rights().editAll = true;
    ws.show();
    EXPECT_TRUE(item(w, M::Admin)->isEnabled());
    EXPECT_FALSE(item(w, M::ChangePassword)->isEnabled());
    EXPECT_EQ(item(w, M::ChangePassword)->statusTip(), "Для изменения пароля воспользуйтесь пунктом \"Администратор\"");
    EXPECT_TRUE(item(w, M::Service)->isVisible());
    EXPECT_TRUE(item(w, M::ServiceSeparator)->isVisible());
    EXPECT_FALSE(item(w, M::GenerateTables)->isVisible());
    EXPECT_TRUE(item(w, M::YellowCells)->isVisible());
}

TEST(MainWindow, PasswordSystemOffLocksUserItems) {
    Workspace ws;
    TfMain& w = ws.show();
    EXPECT_TRUE(item(w, M::Admin)->isEnabled());
    EXPECT_FALSE(item(w, M::ChangeUser)->isEnabled());
    EXPECT_FALSE(item(w, M::ChangePassword)->isEnabled());
    EXPECT_EQ(item(w, M::ChangePassword)->statusTip(),
              "Для изменения пароля на вход в программу включите систему паролей");
}

TEST(MainWindow, GroupTablesGiveTheAnalysesSubItems) {
    for (bool withGroups : {true, false}) {
        Workspace ws(withGroups);
        TfMain& w = ws.show();
        for (M analysis : {M::Svod, M::RowArray, M::ColArray, M::Analytic, M::RowTimeArray, M::TerrTimeArray}) {
            QAction* a = item(w, analysis);
            EXPECT_EQ(a->menu() != nullptr, withGroups) << static_cast<int>(analysis);
            EXPECT_TRUE(a->isVisible());
            EXPECT_EQ(a->text(), menuItemInfo(analysis).caption);
        }
        // With no sub-items the analysis menu holds no "По текущей &таблице" at all.
        int subItems = 0;
        for (QAction* a : w.mainMenu().menu(M::MenuAnalysis)->actions())
            if (a->menu() && a->isVisible())
                for (QAction* sub : a->menu()->actions()) subItems += sub->isVisible();
        EXPECT_EQ(subItems, withGroups ? 12 : 0);
        EXPECT_EQ(item(w, M::Svod)->shortcut(), withGroups ? QKeySequence() : QKeySequence(Qt::CTRL | Qt::Key_S));
    }
}

TEST(MainWindow, ItemsOfLaterWorkAreDisabledAndSaySo) {
    Workspace ws;
    TfMain& w = ws.show();
    // Even with everything the rules ask for.
    w.pnlTerritory->cbTerritoryOnly->click();
    w.pnlPeriod->cbPeriodOnly->setChecked(true);
    w.setRowMode(true);
    int later = 0;
    for (const MenuItemInfo& info : menuItems()) {
        if (builtInThisBuild(info.id) || info.kind == ItemKind::Separator) continue;
        ++later;
        QAction* a = item(w, info.id);
        EXPECT_FALSE(a->isEnabled()) << info.caption.toStdString();
        EXPECT_TRUE(a->statusTip() == kUnavailableHint || a->toolTip().endsWith(kUnavailableHint))
            << info.caption.toStdString();
    }
    EXPECT_GT(later, 50);
    EXPECT_FALSE(w.pnlTerritory->btnDefaultTerritory->isEnabled());
    // Items of this build keep their own hints.
    EXPECT_EQ(item(w, M::Admin)->statusTip(), "Изменение уровней прав доступа, имен пользователей, паролей");
    EXPECT_TRUE(item(w, M::About)->isEnabled());
    // A later window plugs in and its item comes alive.
    int calls = 0;
    w.setMenuHandler(M::Control, [&] { ++calls; });
    EXPECT_TRUE(item(w, M::Control)->isEnabled());
    item(w, M::Control)->trigger();
    EXPECT_EQ(calls, 1);
    w.setMenuHandler(M::ExportWord, [&] { calls += 10; });
    EXPECT_TRUE(item(w, M::ToolWord)->isEnabled());
    item(w, M::ToolWord)->trigger();
    EXPECT_EQ(calls, 11);
}

TEST(MainWindow, CaptionsAndKeysOfTheMenu) {
    Workspace ws;
    TfMain& w = ws.show();
    struct Case {
        M id;
        const char* caption;
        QKeySequence keys;
    };
    const Case cases[] = {
        {M::FillTable, "Заполнить &таблицу", QKeySequence(Qt::Key_Insert)},
        {M::DeleteData, "&Удалить данные...", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {M::Control, "Контроль", QKeySequence(Qt::Key_F2)},
        {M::ShowCellFormula, "Показать формулу подсчета ячейки", QKeySequence(Qt::CTRL | Qt::Key_F11)},
        {M::ExportIE, "Экспорт таблицы в &Internet Explorer", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {M::Previous, "Предыдущая", QKeySequence(Qt::Key_F7)},
        {M::Next, "Следующая", QKeySequence(Qt::Key_F8)},
        {M::FilledTables, "Список заполненных таблиц", QKeySequence(Qt::CTRL | Qt::Key_F3)},
        {M::ExportData, "&Выгрузка данных...", QKeySequence(Qt::Key_F4)},
        {M::ImportData, "&Загрузка данных...", QKeySequence(Qt::Key_F5)},
        {M::Settings, "&Настройки", QKeySequence(Qt::Key_F9)},
        {M::FullScreen, "&На весь экран", QKeySequence(Qt::CTRL | Qt::Key_Return)},
        {M::Manual, "&Руководство пользователя", QKeySequence(Qt::Key_F1)},
        {M::ChangeUser, "Смена поль&зователя", {}},
        {M::RedundantRecords, "Поиск \"&лишних\" записей", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(item(w, c.id)->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(item(w, c.id)->shortcut(), c.keys) << c.caption;
    }
    EXPECT_FALSE(item(w, M::Database)->isVisible());
    EXPECT_FALSE(item(w, M::ColTimeArray)->isVisible());
    EXPECT_TRUE(item(w, M::ShowToolbar)->isChecked());
    EXPECT_EQ(w.mainMenu().menu(M::MenuHelp)->title(), "&?");
}

TEST(MainWindow, CheckBoxesAndTheirSettings) {
    Workspace ws;
    ws.setSetting("LPUyn", "1");
    ws.setSetting("LPUDefa", "010101");
    ws.setSetting("ExpEmpty", "Y");
    TfMain& w = ws.show();
    EXPECT_TRUE(w.territoryOnly());
    EXPECT_TRUE(item(w, M::TerritoryOnly)->isChecked());
    EXPECT_TRUE(w.cbExpEmpty->isChecked());
    EXPECT_EQ(w.pnlTerritory->lblLpuName->text(), "ЦРБ №1");

    QSignalSpy selection(&w, &TfMain::selectionChanged);
    w.pnlTerritory->cbTerritoryOnly->click();
    EXPECT_FALSE(item(w, M::TerritoryOnly)->isChecked());
    EXPECT_EQ(ws.dm.scalarText("select B from NASTR where A = 'LPUyn'"), "0");
    item(w, M::TerritoryOnly)->trigger();
    EXPECT_TRUE(w.territoryOnly());
    EXPECT_EQ(ws.dm.scalarText("select B from NASTR where A = 'LPUyn'"), "1");
    EXPECT_EQ(selection.size(), 2);

    w.cbExpEmpty->click();
    EXPECT_EQ(ws.dm.scalarText("select B from NASTR where A = 'ExpEmpty'"), "N");

    // Export items need both boxes ticked.
    w.pnlPeriod->cbPeriodOnly->setChecked(false);
    w.refreshState();
    EXPECT_EQ(w.menuInputs().periodOnly, false);
    EXPECT_EQ(item(w, M::ExportWord)->statusTip(), kUnavailableHint);

    // Row mode ticks and locks both boxes.
    w.lockCheckBoxes(true);
    EXPECT_TRUE(w.periodOnly());
    EXPECT_FALSE(w.pnlPeriod->cbPeriodOnly->isEnabled());
    EXPECT_FALSE(item(w, M::TerritoryOnly)->isEnabled());
    w.lockCheckBoxes(false);
    EXPECT_TRUE(w.pnlTerritory->cbTerritoryOnly->isEnabled());
}

TEST(MainWindow, FullNamesOfTheDefaultTerritory) {
    Workspace ws;
    ws.setSetting("NewLpuB", "Y");
    ws.setSetting("LPUDefa", "011166");  // a consolidation is not in the institutions' list
    TfMain& w = ws.show();
    EXPECT_EQ(w.pnlTerritory->lblLpuName->text(), "Сводные данные по области");
}

TEST(MainWindow, FullScreenHidesThePanels) {
    Workspace ws;
    TfMain& w = ws.show();
    item(w, M::FullScreen)->trigger();
    EXPECT_TRUE(item(w, M::FullScreen)->isChecked());
    EXPECT_FALSE(w.pnlTop->isVisibleTo(&w));
    EXPECT_FALSE(w.pnlTerritory->isVisibleTo(&w));
    EXPECT_FALSE(w.pnlPeriod->isVisibleTo(&w));
    EXPECT_FALSE(w.statusBar()->isVisibleTo(&w));
    EXPECT_TRUE(w.pnlCompact->isVisibleTo(&w));
    EXPECT_EQ(w.pnlCompact->edForm->text(), "00012");
    item(w, M::ShowTerritory)->trigger();  // unticked while in full screen
    item(w, M::FullScreen)->trigger();
    EXPECT_TRUE(w.pnlTop->isVisibleTo(&w));
    EXPECT_TRUE(w.pnlPeriod->isVisibleTo(&w));
    EXPECT_FALSE(w.pnlTerritory->isVisibleTo(&w));
    EXPECT_TRUE(w.statusBar()->isVisibleTo(&w));
    EXPECT_FALSE(w.pnlCompact->isVisibleTo(&w));
}

TEST(MainWindow, PlacementIsRememberedBetweenRuns) {
    {
        Workspace ws;
        TfMain& w = ws.show();
        w.resize(900, 640);
        w.Splitter1->setSizes({120, 400});
        item(w, M::ShowToolbar)->trigger();
        item(w, M::ShowStatusBar)->trigger();
        w.pnlPeriod->cbPeriodOnly->setChecked(false);
        w.close();
    }
    Workspace ws;
    TfMain& w = ws.show();
    EXPECT_FALSE(item(w, M::ShowToolbar)->isChecked());
    EXPECT_FALSE(w.ToolBar1->isVisibleTo(&w));
    EXPECT_FALSE(item(w, M::ShowStatusBar)->isChecked());
    EXPECT_FALSE(w.statusBar()->isVisibleTo(&w));
    EXPECT_FALSE(w.periodOnly());
    EXPECT_EQ(w.size(), QSize(900, 640));
    EXPECT_EQ(w.Splitter1->sizes().value(0), 120);
    EXPECT_GE(w.minimumWidth(), 750);
    EXPECT_GE(w.minimumHeight(), 500);
    EXPECT_LE(w.pnlTop->maximumHeight(), 450);
    // Back to the ordinary layout for the tests that follow.
    item(w, M::ShowToolbar)->trigger();
    item(w, M::ShowStatusBar)->trigger();
    w.pnlPeriod->cbPeriodOnly->setChecked(true);
}

TEST(MainWindow, CommentsHistoryAndManual) {
    Workspace ws;
    ws.writeFile("Txts/2.txt");  // the folders keep the case they were installed with
    TfMain& w = ws.show();
    EXPECT_FALSE(w.btnComments->isVisibleTo(&w));  // none for table 1
    w.btnNextClick();
    ASSERT_TRUE(w.btnComments->isVisibleTo(&w));
    w.btnComments->click();
    EXPECT_EQ(ws.opened, QStringList{ws.folder() + "Txts/2.txt"});
    QFile::remove(ws.folder() + "Txts/2.txt");
    w.btnComments->click();
    EXPECT_EQ(ws.dialogs.texts().last(), "Файл с комментариями к данной таблице не найден!");

    item(w, M::History)->trigger();
    EXPECT_EQ(ws.dialogs.texts().last(), "Файл \"history.txt\" не найден!");
    EXPECT_EQ(ws.dialogs.messages.last().caption, "Сообщение");
    ws.writeFile("history.txt");
    item(w, M::History)->trigger();
    EXPECT_EQ(ws.opened.last(), ws.folder() + "history.txt");

    ws.dialogs.answer(ui::Answer::Cancel);
    item(w, M::Manual)->trigger();
    EXPECT_EQ(ws.dialogs.texts().last(),
              "Файл \"Ривента_Руководство.doc\" в главном каталоге программы отсутствует!\n"
              "Хотите попробовать найти его самостоятельно?");
    EXPECT_EQ(ws.opened.size(), 2);
    ws.dialogs.answer(ui::Answer::Ok);
    ws.chosen << "/elsewhere/Ривента_Руководство.doc";
    item(w, M::Manual)->trigger();
    EXPECT_EQ(ws.opened.last(), "/elsewhere/Ривента_Руководство.doc");
    EXPECT_TRUE(w.statusText(1).startsWith("База: "));
    ws.writeFile("Ривента_Руководство.doc");
    item(w, M::Manual)->trigger();
    EXPECT_EQ(ws.opened.last(), ws.folder() + "Ривента_Руководство.doc");
}

TEST(MainWindow, AboutWindowLines) {
    Workspace ws;
    ws.writeFile("Dots/version.txt", "1.05\r\nстарая\r\n");
    ws.writeFile("xlss/version.txt", "");
    const QStringList lines = aboutVersionLines(ws.folder(), "2024.1");
    EXPECT_EQ(lines, (QStringList{"версия справочников: 2024.1", "версия dot-шаблонов: 1.05",
                                  "версия xlt-шаблонов: не определена", "версия комментариев: не определена",
                                  "версия xls-файлов: не определена"}));
    EXPECT_EQ(aboutVersionLines(ws.folder(), "").first(), "версия справочников: не определена");
    TfAbout about(lines);
    EXPECT_EQ(about.windowTitle(), "О программе");
    QStringList texts;
    for (QLabel* l : about.findChildren<QLabel*>()) texts << l->text();
    EXPECT_TRUE(texts.contains("\"Ривента\""));
    EXPECT_TRUE(texts.contains("версия 3.78 от 20.01.2020"));
}

TEST(MainWindow, CloseDeletesTheTemporaryOfficeFiles) {
    Workspace ws;
    ws.writeFile("temp/a.xls");
    ws.writeFile("temp/b.dot");
    ws.writeFile("temp/keep.txt");
    TfMain& w = ws.show();
    item(w, M::Exit)->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(QDir(ws.folder() + "temp").entryList(QDir::Files), QStringList{"keep.txt"});
    EXPECT_EQ(w.catalogue().tableCount(), 0);
}

TEST(MainWindow, NetworkDatabasePathIsRefused) {
    Workspace ws;
    startup::DatabaseConnection connection(ws.dm, ws.folder());
    TfMain& w = ws.create();
    w.setConnection(&connection);
    ws.show();  // the connection is not the one that opened the module: nothing is loaded
    ws.chosen << "";
    item(w, M::DatabasePath)->trigger();
    EXPECT_EQ(ws.fileDialogTitles, QStringList{"Выбор пути к базе данных"});
    ws.chosen << "//server/base/vexo.gdb";
    EXPECT_THROW(w.miDatabasePathClick(), AppError);
    EXPECT_TRUE(ws.dm.isConnected());
}

TEST(MainWindow, HintsOfDisabledItemsReachTheStatusBar) {
    Workspace ws;
    TfMain& w = ws.show();
    QMenu* service = w.mainMenu().menu(M::MenuService);
    service->popup(w.mapToGlobal(QPoint(0, 0)));
    const QPoint at = service->actionGeometry(item(w, M::ChangeUser)).center();
    QMouseEvent move(QEvent::MouseMove, at, service->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(service, &move);
    EXPECT_EQ(w.statusBar()->currentMessage(), "Для входа в программу под другим именем включите систему паролей");
    service->hide();
    EXPECT_TRUE(w.statusBar()->currentMessage().isEmpty());  // the two panels come back
    // Check boxes show their whole text as their hint.
    EXPECT_EQ(HintRouter::autoHint(w.pnlPeriod->cbPeriodOnly), "Отображать данные только за отчетный период");
    EXPECT_EQ(w.pnlTop->btnGo->toolTip(), "Переход к указанной таблице");
}
