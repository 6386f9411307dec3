// The data of a table in the real main window: selecting, filling and
// deleting it, typing into the grid, adding to a cell, the events of tblYear
// and the rights they check.
#include "data/data_module.h"
#include "data/hook.h"
#include "fb/win1251.h"
#include "ui/app_error.h"
#include "workspace/grid/data_grid.h"
#include "workspace/grid/dataset_navigator.h"
#include "workspace/grid/grid_pane.h"
#include "workspace/grid/table_grid_builder.h"
#include "workspace/main_menu.h"
#include "workspace/period_panel.h"
#include "workspace/territory_panel.h"
#include "workspace/tf_main.h"
#include "workspace_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace vexo;
using namespace vexo::workspace;
using M = MenuItem;
using ui::Answer;

namespace {

// Table 1 (quarterly): beds by profile, fixed rows, two formulas, the second
// over the first; row 003 has no display order. Table 2: operations, free
// rows. Table 3: a list of the discharged, sorted by name. Table 400
// (yearly): row descriptions of 2018 and 2019.
const char* const kTablesSql = R"SQL(
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1001, 1, 0, 'lpu_', 'Учреждение=120', 'lpu', NULL, NULL, 1);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1002, 1, 0, 'period_', 'Период=60', 'period', NULL, NULL, 2);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1003, 1, 0, 'god', 'Год=40', NULL, NULL, NULL, 3);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1004, 1, 0, 'row_B', 'Профиль коек=160', 'rows', NULL, NULL, 4);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1005, 1, 0, 'row_A', '№ стр.=40', NULL, NULL, NULL, 5);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1006, 1, 0, 'n1', 'Число коек|всего', NULL, '2', NULL, 6);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1007, 1, 0, 'n2', 'Число коек|детских', NULL, '2', NULL, 7);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1008, 1, 0, 'n3', 'Число коек|итого', NULL, '2', '[n1]+[n2]', 8);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1009, 1, 0, 'n4', 'Койко-дни', NULL, '2', '[n3]*2', 9);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (1, 0, '001', 'Всего', '1', 1);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (1, 0, '004', 'хирургические', '4', 3);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (1, 0, '002', 'терапевтические', '2', 2);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (1, 0, '003', 'упразднённые', '3', NULL);

INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1021, 2, 0, 'lpu_', 'Учреждение=120', 'lpu', NULL, NULL, 1);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1022, 2, 0, 'period_', 'Период=60', 'period', NULL, NULL, 2);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1023, 2, 0, 'god', 'Год=40', NULL, NULL, NULL, 3);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1024, 2, 0, 'n1', 'Операций', NULL, '0', NULL, 4);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1025, 2, 0, 'n2', 'из них экстренных', NULL, '0', NULL, 5);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1026, 2, 0, 'n3', 'Доля экстренных, %', NULL, '1', '[n2]/[n1]*100', 6);

INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1031, 3, 0, 'lpu_', 'Учреждение=120', 'lpu', NULL, NULL, 1);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1032, 3, 0, 'period_', 'Период=60', 'period', NULL, NULL, 2);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1033, 3, 0, 'god', 'Год=40', NULL, NULL, NULL, 3);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1034, 3, 0, 'c1', 'Фамилия', NULL, NULL, NULL, 4);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1035, 3, 0, 'n1', 'Возраст', NULL, '0', NULL, 5);
UPDATE TBLNAME SET ORDERSP = 'c1' WHERE NTBL = 3;

INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1041, 400, 2019, 'row_B', 'Показатель=200', 'rows', NULL, NULL, 1);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1042, 400, 2019, 'row_A', '№ стр.=40', NULL, NULL, NULL, 2);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1043, 400, 2019, 'n1', 'Значение', NULL, '2', NULL, 3);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (400, 2019, '001', 'Население', '1', 1);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (400, 2019, '002', 'Врачи', '2', 2);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (400, 2018, '001', 'Население', '1', 1);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (400, 2018, '002', 'Врачи', '2', 2);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (400, 2018, '003', 'Койки', '3', 3);
)SQL";

const QString kBeds = QStringLiteral("Ф.12 т.1000 Коечный фонд");
const QString kOperations = QStringLiteral("Ф.12 т.2000 Хирургическая работа");
const QString kDischarged = QStringLiteral("Ф.14 т.1000 Список выбывших");
const QString kNoEditRights = QStringLiteral("У Вас нет прав на редактирование выбранной таблицы.");

// The catalogue of the main window tests with the metadata of four tables;
// the default territory is ЦРБ №1.
struct DataWorkspace : test::Workspace {
    DataWorkspace() {
        db.runScript(kTablesSql);
        db.commit();
        setSetting("LPUDefa", "010101");
    }

    TfMain& w() { return window(); }
    data::Dataset& rows() { return *dm.tblYear; }
    QAction* item(M i) { return w().mainMenu().action(i); }
    int column(const char* field) { return w().gridBuilder().columns().indexOfField(field); }
    grid::GridPane* pane(const char* field) { return w().DBGridEh1->paneOf(column(field)); }

    // What another workstation reads: only committed data.
    std::string stored(const std::string& sql) {
        fb::Attachment other = db.connectAgain();
        fb::Transaction tr(other);
        tr.start();
        std::string text;
        {
            fb::Statement st(tr, fb::utf8ToWin1251(sql));
            st.execute();
            text = !st.fetch() ? "none" : st.value(0).isNull() ? "null" : test::utf8(st.value(0));
        }
        tr.commit();
        return text;
    }
    std::string cell(const char* field, int table, const char* row, const char* lpu = "010101") {
        return stored(std::string("select ") + field + " from TBL where NTBL=" + std::to_string(table) +
                      " and LPU='" + lpu + "' and PERIOD='II' and GOD=2024 and \"ROW\"='" + row + "'");
    }
    int count(const std::string& where) { return std::stoi(stored("select count(*) from TBL where " + where)); }

    void setCell(int row, const char* field, const QVariant& value) {
        rows().moveTo(row);
        rows().setValue(field, value);
        rows().post();
    }
    void goTo(int row, const char* field) {
        w().DBGridEh1->setCurrentCell(row, column(field));
        pane(field)->setFocus();
        QApplication::processEvents();
    }
    // Keys as the operator types them: the first opens the cell's editor.
    void type(const char* field, const QString& text) {
        QTest::keyClicks(pane(field), text.left(1));
        if (text.size() > 1) QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
    }
    QStringList rowNumbers() {
        QStringList out;
        for (int r = 0; r < rows().recordCount(); ++r) out << rows().valueAt(r, rows().fieldIndex("ROW")).toString();
        return out;
    }
    bool asked(const QString& text) const { return dialogs.texts().contains(text); }
    const ui::MessageRequest* message(const QString& text) const {
        for (const ui::MessageRequest& m : dialogs.messages)
            if (m.text == text) return &m;
        return nullptr;
    }
};

const QString kRefill = QStringLiteral("Таблица уже сформирована.\nОчистить все строки таблицы?");

TEST(TableData, FillCreatesTheDescribedRowsAndAsksBeforeRefilling) {
    DataWorkspace ws;
    // Rows of another territory and of another period are not the selection's.
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (1, '000000', 'II', 2024, '001', 50)");
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (1, '010101', 'I', 2024, '001', 40)");
    ws.db.commit();
    TfMain& w = ws.show();
    ASSERT_EQ(w.lblTitle->text(), kBeds);
    EXPECT_TRUE(w.rowMode());
    EXPECT_EQ(w.dataFilter(), "Ntbl=1 and period='II ' and tbl.god=2024 and lpu='010101'");
    EXPECT_EQ(ws.rows().recordCount(), 0);

    ws.item(M::FillTable)->trigger();
    EXPECT_TRUE(ws.dialogs.messages.isEmpty());  // nothing to clear yet
    // Rows with a display order only, in that order; committed at once.
    EXPECT_EQ(ws.rowNumbers(), (QStringList{"001", "002", "004"}));
    EXPECT_EQ(ws.count("NTBL=1 and LPU='010101' and PERIOD='II' and GOD=2024"), 3);
    EXPECT_EQ(w.statusText(0), "Количество записей: 3");
    EXPECT_EQ(w.DBGridEh1->gridModel()->index(2, ws.column("row_B")).data().toString(), "хирургические");

    ws.setCell(0, "N1", 12);
    ws.item(M::FillTable)->trigger();  // the question's default is Cancel
    const ui::MessageRequest* question = ws.message(kRefill);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->caption, "Запрос");
    EXPECT_EQ(question->icon, ui::Icon::Question);
    EXPECT_EQ(question->buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(question->defaultButton, Answer::Cancel);
    EXPECT_EQ(ws.cell("N1", 1, "001"), "12.00");

    ws.dialogs.answer(Answer::Ok);
    ws.item(M::FillTable)->trigger();
    EXPECT_EQ(ws.rowNumbers(), (QStringList{"001", "002", "004"}));
    EXPECT_EQ(ws.cell("N1", 1, "001"), "null");
    EXPECT_EQ(ws.cell("N1", 1, "001", "000000"), "50.00");
    EXPECT_EQ(ws.count("NTBL=1 and PERIOD='I'"), 1);
}

TEST(TableData, FillUsesTheRowDescriptionsOfTheMetadataYear) {
    DataWorkspace ws;
    TfMain& w = ws.show();
    w.cbThemeChange(w.catalogue().indexOfTheme("999"));
    ASSERT_EQ(w.currentTableInfo()->ntbl, "400");
    EXPECT_EQ(w.periodName(), "Весь год");
    ws.item(M::FillTable)->trigger();
    // 2024 takes the descriptions of 2019: the third row of 2018 is not created.
    EXPECT_EQ(ws.rowNumbers(), (QStringList{"001", "002"}));
    EXPECT_EQ(ws.count("NTBL=400 and PERIOD='год' and GOD=2024 and LPU='010101'"), 2);
}

TEST(TableData, FailingFillPutsTheDeletedRowsBack) {
    DataWorkspace ws;
    TfMain& w = ws.show();
    ws.item(M::FillTable)->trigger();
    ws.setCell(0, "N1", 12);
    // A second description of row 002 makes the new rows collide.
    ws.db.exec("INSERT INTO \"ROWS\" (TBL, GOD, A, B, C, ITEM) VALUES (1, 0, '002', 'дубль', '2a', 5)");
    ws.db.commit();

    ws.dialogs.answer(Answer::Ok);
    ws.item(M::FillTable)->trigger();
    const QStringList texts = ws.dialogs.texts();
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts[0], kRefill);
    EXPECT_EQ(texts[1], "Ошибка при формировании таблицы!");
    EXPECT_EQ(ws.dialogs.messages[1].caption, "Ошибка");
    EXPECT_EQ(ws.dialogs.messages[1].icon, ui::Icon::Warning);
    EXPECT_EQ(ws.dialogs.messages[2].caption, "Ошибка");  // the server's error follows

    // Nothing was lost, and the next commit does not lose it either.
    EXPECT_EQ(ws.dm.scalarText("select N1 from TBL where NTBL=1 and \"ROW\"='001'"), "12.00");
    ws.setCell(1, "N1", 7);
    EXPECT_EQ(ws.cell("N1", 1, "001"), "12.00");
    EXPECT_EQ(ws.cell("N1", 1, "002"), "7.00");
    EXPECT_EQ(ws.count("NTBL=1"), 3);
    EXPECT_EQ(w.statusText(0), "Количество записей: 3");
}

TEST(TableData, RowFormulasRunLeftToRightOnEveryPost) {
    DataWorkspace ws;
    ws.show();
    ws.item(M::FillTable)->trigger();
    ws.setCell(0, "N1", 5);  // N2 empty counts as 0
    EXPECT_EQ(ws.cell("N3", 1, "001"), "5.00");
    EXPECT_EQ(ws.cell("N4", 1, "001"), "10.00");  // over this pass's N3
    ws.setCell(0, "N2", "2,5");
    EXPECT_EQ(ws.cell("N3", 1, "001"), "7.50");
    EXPECT_EQ(ws.cell("N4", 1, "001"), "15.00");
}

TEST(TableData, FreeRowsOfEveryPeriodAndANewRowOfTheSelectedOne) {
    DataWorkspace ws;
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (2, '010101', 'Iп', 2024, '001', 5)");
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (2, '010101', 'I', 2023, '001', 6)");
    ws.db.commit();
    TfMain& w = ws.show();
    w.btnNextClick();
    ASSERT_EQ(w.lblTitle->text(), kOperations);
    EXPECT_FALSE(w.rowMode());
    EXPECT_TRUE(w.pnlPeriod->cbPeriodOnly->isEnabled());
    w.pnlPeriod->cbPeriodOnly->setChecked(false);
    w.cbPeriodOnlyClick(false);
    EXPECT_EQ(w.dataFilter(), "Ntbl=2 and lpu='010101'");
    ASSERT_EQ(ws.rows().recordCount(), 2);

    // A half-year in a quarterly theme cannot be saved; the row stays in edit.
    ASSERT_TRUE(ws.rows().locate("PERIOD", QStringLiteral("Iп")));
    ws.rows().setValue("N1", 8);
    EXPECT_THROW(ws.rows().post(), data::SilentAbort);
    const ui::MessageRequest* refused = ws.message("Неверный отчетный период!");
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->caption, "Ошибка");
    EXPECT_EQ(refused->icon, ui::Icon::Warning);
    EXPECT_EQ(ws.rows().state(), data::DatasetState::Edit);
    EXPECT_EQ(ws.stored("select N1 from TBL where NTBL=2 and PERIOD='Iп'"), "5.00");
    ws.rows().cancel();

    // A new row still takes the selected period and year.
    ws.item(M::FillTable)->trigger();
    ASSERT_EQ(ws.rows().state(), data::DatasetState::Insert);
    EXPECT_EQ(ws.rows().text("PERIOD"), "II");
    EXPECT_EQ(ws.rows().asInt("GOD"), 2024);
    EXPECT_EQ(ws.rows().text("LPU"), "010101");
    EXPECT_EQ(ws.rows().asInt("NTBL"), 2);
    EXPECT_EQ(ws.rows().asInt("TIPSVODA"), 0);
    EXPECT_EQ(ws.rows().text("ROW"), "001");
    ws.rows().setValue("N1", 40);
    ws.rows().setValue("N2", 10);
    ws.rows().setValue("ROW", "");  // a row without a number is saved as the first
    ws.rows().post();
    EXPECT_EQ(ws.cell("N3", 2, "001"), "25.00");
    EXPECT_EQ(w.statusText(0), "Количество записей: 3");
}

TEST(TableData, ListTableRowsAreSortedAndNumbered) {
    DataWorkspace ws;
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", TIPSVODA, C1) VALUES (3, '010101', 'II', 2024, '001', 1, 'Петров')");
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", TIPSVODA, C1) VALUES (3, '010101', 'II', 2024, '001', 2, 'Иванов')");
    ws.db.commit();
    TfMain& w = ws.show();
    w.btnNextClick();
    w.btnNextClick();
    ASSERT_EQ(w.lblTitle->text(), kDischarged);
    w.pnlPeriod->cbPeriodOnly->setChecked(true);
    w.cbPeriodOnlyClick(true);
    ASSERT_EQ(ws.rows().recordCount(), 2);
    EXPECT_EQ(ws.rows().valueAt(0, ws.rows().fieldIndex("C1")).toString(), "Иванов");
    // Two new rows with the same row number live side by side.
    for (const char* name : {"Сидоров", "Кузнецов"}) {
        ws.item(M::FillTable)->trigger();
        ws.rows().setValue("C1", QString::fromUtf8(name));
        ws.rows().post();
    }
    EXPECT_EQ(ws.count("NTBL=3 and TIPSVODA not in (0, 1, 2)"), 2);
    EXPECT_EQ(ws.stored("select count(distinct TIPSVODA) from TBL where NTBL=3"), "4");
    // The navigator's delete button takes one row of a list, not the list.
    ws.dialogs.answer(Answer::Ok);
    w.DBNavigator1->click(grid::DatasetNavigator::Delete);
    EXPECT_EQ(ws.dialogs.texts().last(), "Удалить текущую запись?");
    EXPECT_EQ(ws.count("NTBL=3"), 3);
    // The list table's grid offers to clear it.
    EXPECT_TRUE(w.DBGridEh1->mainView()->actions().contains(w.miClearTable));
    w.btnPrevClick();
    EXPECT_FALSE(w.DBGridEh1->mainView()->actions().contains(w.miClearTable));
}

TEST(TableData, AdditionToACell) {
    struct Case {
        std::optional<QString> typed;  // nullopt: the box is cancelled
        const char* stored;
        const char* message;
    };
    const Case cases[] = {
        {"2,5", "12.50", nullptr},
        {"-0.25", "9.75", nullptr},
        {"0", "10.00", nullptr},
        {"abc", "10.00", "Неверное число!"},
        {std::nullopt, "10.00", nullptr},
    };
    DataWorkspace ws;
    TfMain& w = ws.show();
    ws.item(M::FillTable)->trigger();
    for (const Case& c : cases) {
        const std::string what = c.typed ? c.typed->toStdString() : "cancelled";
        ws.setCell(0, "N1", 10);
        ws.dialogs.messages.clear();
        ws.dialogs.inputs.clear();
        ws.goTo(0, "N1");
        ws.dialogs.type(c.typed);
        QTest::keyClick(ws.pane("N1"), Qt::Key_F3);
        ASSERT_EQ(ws.dialogs.inputs.size(), 1) << what;
        EXPECT_EQ(ws.dialogs.inputs[0].caption, "Сложение");
        EXPECT_EQ(ws.dialogs.inputs[0].prompt, "Введите число, которое необходимо сложить с текущим значением:");
        EXPECT_EQ(ws.cell("N1", 1, "001"), c.stored) << what;
        EXPECT_EQ(ws.cell("N3", 1, "001"), c.stored) << what;  // the formulas ran with the addition
        EXPECT_EQ(ws.rows().state(), data::DatasetState::Browse) << what;
        if (c.message) {
            ASSERT_EQ(ws.dialogs.messages.size(), 1) << what;
            EXPECT_EQ(ws.dialogs.messages[0].text, c.message);
            EXPECT_EQ(ws.dialogs.messages[0].caption, "Внимание");
            EXPECT_EQ(ws.dialogs.messages[0].icon, ui::Icon::Warning);
        } else {
            EXPECT_TRUE(ws.dialogs.messages.isEmpty()) << what;
        }
    }
    // A computed cell takes no addition: nothing is even asked.
    ws.dialogs.inputs.clear();
    ws.goTo(0, "N3");
    QTest::keyClick(ws.pane("N3"), Qt::Key_F3);
    EXPECT_TRUE(ws.dialogs.inputs.isEmpty());
    (void)w;
}

TEST(TableData, DeleteDataAsksAndCommitsAtOnce) {
    DataWorkspace ws;
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (1, '000000', 'II', 2024, '001', 50)");
    ws.db.commit();
    TfMain& w = ws.show();
    ws.item(M::FillTable)->trigger();
    ASSERT_TRUE(ws.item(M::DeleteData)->isEnabled());
    const QString question = QStringLiteral(
        "Будут удалены все сведения из таблицы 'Ф.12 т.1000 Коечный фонд' за II квартал 2024 года по территории ЦРБ "
        "№1.\nУдалить данные?");

    ws.item(M::DeleteData)->trigger();  // Cancel is the default
    const ui::MessageRequest* asked = ws.message(question);
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->caption, "Удаление");
    EXPECT_EQ(asked->icon, ui::Icon::Question);
    EXPECT_EQ(asked->defaultButton, Answer::Cancel);
    EXPECT_EQ(ws.count("NTBL=1 and LPU='010101'"), 3);

    // Ctrl+Del in the grid of a table with fixed rows asks the same.
    ws.dialogs.messages.clear();
    ws.dialogs.answer(Answer::Ok);
    ws.goTo(0, "N1");
    QTest::keyClick(ws.pane("N1"), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(ws.dialogs.texts(), QStringList{question});
    EXPECT_EQ(ws.rows().recordCount(), 0);
    // Gone for every workstation; the other territory keeps its rows.
    EXPECT_EQ(ws.count("NTBL=1 and LPU='010101'"), 0);
    EXPECT_EQ(ws.count("NTBL=1 and LPU='000000'"), 1);
    EXPECT_FALSE(ws.item(M::DeleteData)->isEnabled());

    // In a table of free rows Ctrl+Del removes the current row.
    w.btnNextClick();
    ws.item(M::FillTable)->trigger();
    ws.rows().setValue("N1", 3);
    ws.rows().post();
    ASSERT_EQ(ws.count("NTBL=2"), 1);
    ws.dialogs.messages.clear();
    ws.dialogs.answer(Answer::Ok);
    ws.goTo(0, "N1");
    QTest::keyClick(ws.pane("N1"), Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(ws.dialogs.messages.size(), 1);
    EXPECT_EQ(ws.dialogs.messages[0].text, "Удалить текущую запись?");
    EXPECT_EQ(ws.dialogs.messages[0].caption, "Удаление");
    EXPECT_EQ(ws.count("NTBL=2"), 0);
}

TEST(TableData, RightsRefuseWhatTheUserMayNotDo) {
    DataWorkspace ws;
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (2, '010101', 'II', 2024, '001', 4)");
    ws.db.commit();
    ws.setSetting("Ust3", "1");
    TfMain& w = ws.create();
    w.rights().userName = "oper";  // sees tables 1, 2 and 101, edits table 1
    w.rights().visibleList = "1;2;101;";
    w.rights().editableList = "1;";
    ws.show();
    const QString noView = QStringLiteral("У Вас нет прав на работу с выбранной таблицей.");

    struct Case {
        int nextClicks;  // from the first table of the theme
        const char* what;
        std::function<void()> act;
        QString refusal;  // empty: allowed
    };
    const auto menu = [&](M i) { return [&ws, i] { ws.item(i)->trigger(); }; };
    const auto key = [&](Qt::Key k) {
        return [&ws, k] {
            ws.goTo(0, "N1");
            QTest::keyClick(ws.pane("N1"), k);
        };
    };
    const auto button = [&](grid::DatasetNavigator::Button b) { return [&w, b] { w.DBNavigator1->click(b); }; };
    const Case cases[] = {
        {1, "fill", menu(M::FillTable), kNoEditRights},
        {1, "delete", menu(M::DeleteData), kNoEditRights},
        {1, "insert button", button(grid::DatasetNavigator::Insert), kNoEditRights},
        {1, "delete button", button(grid::DatasetNavigator::Delete), kNoEditRights},
        {1, "Ctrl+Del", [&] {
             ws.goTo(0, "N1");
             QTest::keyClick(ws.pane("N1"), Qt::Key_Delete, Qt::ControlModifier);
         }, kNoEditRights},
        {1, "F3", key(Qt::Key_F3), kNoEditRights},
        {2, "fill", menu(M::FillTable), noView},
        {2, "clear", [&] { w.miClearTable->trigger(); }, noView},
        {0, "fill", menu(M::FillTable), {}},
    };
    for (const Case& c : cases) {
        w.cbThemeChange(w.catalogue().indexOfTheme("010"));
        for (int i = 0; i < c.nextClicks; ++i) w.btnNextClick();
        ws.dialogs.messages.clear();
        ws.dialogs.inputs.clear();
        c.act();
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(ws.dialogs.messages.isEmpty()) << c.what;
            continue;
        }
        ASSERT_EQ(ws.dialogs.messages.size(), 1) << c.what << " " << c.nextClicks;
        EXPECT_EQ(ws.dialogs.messages[0].text, c.refusal) << c.what << " " << c.nextClicks;
        EXPECT_TRUE(ws.dialogs.inputs.isEmpty()) << c.what;
        EXPECT_NE(ws.rows().state(), data::DatasetState::Insert) << c.what;
    }
    EXPECT_EQ(ws.cell("N1", 2, "001"), "4.00");
    EXPECT_EQ(ws.count("NTBL=2"), 1);
    EXPECT_EQ(ws.count("NTBL=1"), 3);  // the allowed fill
    // The grid of a table the user may see but not change takes no typing.
    w.btnNextClick();
    EXPECT_TRUE(w.DBGridEh1->isReadOnly());
}

TEST(TableData, TerritoryBoxAndMenuItemStayEqual) {
    DataWorkspace ws;
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (2, '010101', 'II', 2024, '001', 1)");
    ws.db.exec("INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) VALUES (2, '000000', 'II', 2024, '001', 2)");
    ws.db.commit();
    TfMain& w = ws.show();
    // A table with fixed rows ticks and locks the box, and the setting follows.
    EXPECT_TRUE(w.territoryOnly());
    EXPECT_FALSE(w.pnlTerritory->cbTerritoryOnly->isEnabled());
    EXPECT_FALSE(ws.item(M::TerritoryOnly)->isEnabled());
    EXPECT_EQ(ws.dm.scalarText("select B from NASTR where A = 'LPUyn'"), "1");

    w.btnNextClick();
    ASSERT_TRUE(w.pnlTerritory->cbTerritoryOnly->isEnabled());
    EXPECT_EQ(ws.rows().recordCount(), 1);
    const auto same = [&] { return ws.item(M::TerritoryOnly)->isChecked() == w.territoryOnly(); };
    w.pnlTerritory->cbTerritoryOnly->click();
    EXPECT_FALSE(w.territoryOnly());
    EXPECT_TRUE(same());
    EXPECT_EQ(ws.rows().recordCount(), 2);
    EXPECT_EQ(ws.dm.scalarText("select B from NASTR where A = 'LPUyn'"), "0");
    ws.item(M::TerritoryOnly)->trigger();
    EXPECT_TRUE(w.territoryOnly());
    EXPECT_TRUE(same());
    EXPECT_EQ(ws.rows().recordCount(), 1);
    EXPECT_EQ(ws.dm.scalarText("select B from NASTR where A = 'LPUyn'"), "1");
}

TEST(TableData, SwitchingTablesAsksAboutAPendingEdit) {
    for (Answer answer : {Answer::Ok, Answer::Cancel}) {
        DataWorkspace ws;
        TfMain& w = ws.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        ws.item(M::FillTable)->trigger();
        ws.goTo(0, "N1");
        ws.type("N1", "9");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        ASSERT_EQ(ws.rows().state(), data::DatasetState::Edit);

        QStringList statusWhileSelecting;
        ws.rows().afterOpen.add([&](data::Dataset&) { statusWhileSelecting << w.statusText(0); });
        ws.dialogs.answer(answer);
        w.btnNextClick();
        ws.rows().afterOpen.clear();

        const ui::MessageRequest* asked = ws.message("Данные были изменены.\nХотите сохранить введенные данные?");
        ASSERT_NE(asked, nullptr);
        EXPECT_EQ(asked->caption, "Запрос");
        EXPECT_EQ(asked->buttons, ui::Buttons::OkCancel);
        EXPECT_EQ(w.lblTitle->text(), kOperations);
        EXPECT_EQ(ws.cell("N1", 1, "001"), answer == Answer::Ok ? "9.00" : "null");
        EXPECT_EQ(ws.cell("N3", 1, "001"), answer == Answer::Ok ? "9.00" : "null");
        EXPECT_TRUE(statusWhileSelecting.contains("Ждите... Идет формирование таблицы"));
        EXPECT_EQ(w.statusText(0), "Количество записей: 0");
    }
}

// The operator at the real window: the Insert key fills the table, typed
// cells are saved on leaving them, and another workstation reads them back.
TEST(TableData, TypedCellsReachTheDatabase) {
    DataWorkspace ws;
    TfMain& w = ws.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ws.goTo(0, "N1");
    QTest::keyClick(ws.pane("N1"), Qt::Key_Insert);
    ASSERT_EQ(ws.rows().recordCount(), 3);

    ws.goTo(1, "N1");
    ws.type("N1", "120");
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "120");
    QTest::keyClick(editor, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(w.DBGridEh1->currentIndex().column(), ws.column("N2"));
    EXPECT_EQ(ws.rows().state(), data::DatasetState::Browse);
    EXPECT_EQ(ws.cell("N1", 1, "002"), "120.00");
    EXPECT_EQ(ws.cell("N4", 1, "002"), "240.00");

    // Tab opened the next cell's editor: the operator types straight on.
    auto* next = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(next, nullptr);
    QTest::keyClicks(next, "15,5");
    QTest::keyClick(next, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(ws.cell("N2", 1, "002"), "15.50");
    EXPECT_EQ(ws.cell("N3", 1, "002"), "135.50");
    EXPECT_EQ(w.DBGridEh1->gridModel()->index(1, ws.column("N3")).data().toString(), "135.50");
    EXPECT_EQ(w.DBGridEh1->currentIndex().row(), 2);

    // A computed cell takes no typing.
    ws.goTo(0, "N3");
    ws.type("N3", "5");
    EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    EXPECT_EQ(ws.rows().state(), data::DatasetState::Browse);

    // Ctrl+Enter in the grid switches the full screen.
    QTest::keyClick(ws.pane("N3"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(ws.item(M::FullScreen)->isChecked());
    EXPECT_TRUE(ws.dialogs.messages.isEmpty());
}

}  // namespace
