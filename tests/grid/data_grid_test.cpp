// The grid widget on a real window (offscreen): headers, frozen columns,
// typing into cells and the row saved on leaving the cell.
#include "grid_delegate.h"
#include "grid_fixture.h"
#include "grid_pane.h"
#include "multi_level_header.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace vexo;
using Cell = grid::MultiLevelHeaderView::Cell;

namespace {

// Beds of a hospital by profile: fixed rows, a two- and three-level header,
// a formula, one locked cell.
const char* const kBedsTable = R"(
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (1, 5, 0, 'lpu_', 'Учреждение=120', 'lpu', NULL, NULL, 1);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (2, 5, 0, 'period_', 'Период=60', 'period', NULL, NULL, 2);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (3, 5, 0, 'god', 'Год=40', NULL, NULL, NULL, 3);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (4, 5, 0, 'row_B', 'Профиль коек=160', 'rows', NULL, NULL, 4);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (5, 5, 0, 'row_A', '№ стр.=40', NULL, NULL, NULL, 5);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (6, 5, 0, 'n3', 'Число коек|на начало года', NULL, NULL, NULL, 6);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (7, 5, 0, 'n4', 'Число коек|на конец года|всего=70', NULL, '1', NULL, 7);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (8, 5, 0, 'n5', 'Число коек|на конец года|детских=70', NULL, NULL, NULL, 8);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (9, 5, 0, 'n6', 'Поступило больных за год, всего', NULL, NULL, NULL, 9);
INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, DECIMAL_FM, FORMULA, NEXT) VALUES (10, 5, 0, 'n7', 'Оборот койки', NULL, '2', '[n6]/[n3]', 10);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (5, 0, '001', 'Всего', '1', 1);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (5, 0, '002', 'терапевтические', '2', 2);
INSERT INTO "ROWS" (TBL, GOD, A, B, C, ITEM) VALUES (5, 0, '003', 'хирургические', '3', 3);
INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, "ROW", N3, N4, N6) VALUES (5, '010001', 'I', 2024, '001', 100, 0, 250);
INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, "ROW", N4) VALUES (5, '010001', 'I', 2024, '002', -1.5);
INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, "ROW") VALUES (5, '010001', 'I', 2024, '003');
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (1, '5', '1', 'N4', 'gray');
)";

enum Column { Lpu, Period, God, RowB, RowA, N3, N4, N5, N6, N7 };

struct BedsGrid : test::GridFixture {
    QWidget window;

    BedsGrid() : GridFixture(kBedsTable) {
        grid::CatalogueTable t;
        t.number = 5;
        t.title = "Коечный фонд";
        t.formKod = "0120000";
        t.tblKod = "005000";
        t.vidSvoda = "свод:_сумма";
        t.alignGr = "5";
        t.alignGr800 = "3";
        t.getCellParams = "N4";
        addTable(t);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid.get());
        window.resize(1000, 400);
        open("Коечный фонд");
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~BedsGrid() { grid->setParent(nullptr); }

    grid::GridModel* model() { return grid->gridModel(); }
    QString shown(int row, int column) { return model()->index(row, column).data().toString(); }
    // The value another workstation reads from the database.
    std::string stored(const char* field, const char* row) {
        fb::Attachment other = db.connectAgain();
        fb::Transaction tr(other);
        tr.start();
        fb::Statement st(tr, std::string("select ") + field + " from TBL where NTBL=5 and \"ROW\"='" + row + "'");
        st.execute();
        st.fetch();
        const std::string text = st.value(0).isNull() ? "null" : st.value(0).toText();
        st.close();
        tr.commit();
        return text;
    }
    // Keys as the user types them: the first opens the cell's editor, the rest go into it.
    void type(int column, const QString& text) {
        QTest::keyClicks(grid->paneOf(column), text.left(1));
        if (text.size() > 1) QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
    }
    void goTo(int row, int column) {
        grid->setCurrentCell(row, column);
        grid->paneOf(column)->setFocus();
        QApplication::processEvents();
    }
};

TEST(DataGrid, HeaderMergesUpperParts) {
    BedsGrid g;
    grid::MultiLevelHeaderView* header = g.grid->mainView()->multiHeader();
    ASSERT_EQ(header->levels(), 3);
    EXPECT_EQ(header->cellAt(N3, 0), (Cell{N3, N5, 0, 0, "Число коек"}));
    EXPECT_EQ(header->cellAt(N5, 0), (Cell{N3, N5, 0, 0, "Число коек"}));
    EXPECT_EQ(header->cellAt(N3, 1), (Cell{N3, N3, 1, 2, "на начало года"}));  // the last part reaches the bottom
    EXPECT_EQ(header->cellAt(N4, 1), (Cell{N4, N5, 1, 1, "на конец года"}));
    EXPECT_EQ(header->cellAt(N4, 2), (Cell{N4, N4, 2, 2, "всего"}));
    EXPECT_EQ(header->cellAt(N5, 2), (Cell{N5, N5, 2, 2, "детских"}));
    EXPECT_EQ(header->cellAt(N6, 0), (Cell{N6, N6, 0, 2, "Поступило больных за год, всего"}));
    // The merged cell spans its columns on the screen.
    const QRect top = header->cellRect(header->cellAt(N3, 0));
    EXPECT_EQ(top.width(), g.grid->columnWidth(N3) + g.grid->columnWidth(N4) + g.grid->columnWidth(N5));
    EXPECT_EQ(top.left(), header->sectionViewportPosition(N3));
    // Both panes' headers are equally high, so the rows stay level.
    EXPECT_EQ(g.grid->frozenView()->horizontalHeader()->height(), header->height());
}

TEST(DataGrid, NeighboursWithOtherUpperPartsStayApart) {
    const QStringList titles{"А|x", "А|y", "Б|y", "А|z", "А", "А|w|1", "А|w|2"};
    const std::vector<Cell> cells = grid::MultiLevelHeaderView::layoutCells(titles, {}, 3);
    const std::vector<Cell> top(cells.begin(), cells.begin() + 5);
    const std::vector<Cell> expected{{0, 1, 0, 0, "А"}, {2, 2, 0, 0, "Б"}, {3, 3, 0, 0, "А"}, {4, 4, 0, 2, "А"},
                                     {5, 6, 0, 0, "А"}};
    EXPECT_EQ(top, expected);
    // A hidden column between two parts of a group does not split it.
    const std::vector<Cell> joined = grid::MultiLevelHeaderView::layoutCells({"А|x", "Б", "А|y"}, {false, true, false}, 2);
    EXPECT_EQ(joined.front(), (Cell{0, 2, 0, 0, "А"}));
}

TEST(DataGrid, FrozenColumnsAndWidths) {
    BedsGrid g;
    EXPECT_EQ(g.grid->frozenCols(), 5);
    EXPECT_TRUE(g.grid->frozenView()->isVisible());
    for (int c = Lpu; c <= N7; ++c) {
        EXPECT_EQ(g.grid->frozenView()->isColumnHidden(c), c > RowA) << c;
        EXPECT_EQ(g.grid->mainView()->isColumnHidden(c), c <= RowA) << c;
    }
    EXPECT_EQ(g.grid->paneOf(RowB), g.grid->frozenView());
    EXPECT_EQ(g.grid->columnWidth(Period), 60);
    EXPECT_EQ(g.grid->columnWidth(N4), 70);
    EXPECT_LE(g.grid->columnWidth(N6), 150);  // no width given: at most 150
    EXPECT_GT(g.grid->columnWidth(N6), 0);

    // Scrolling the rest keeps the frozen columns and the rows level.
    g.grid->mainView()->verticalScrollBar()->setValue(1);
    EXPECT_EQ(g.grid->frozenView()->verticalScrollBar()->value(), g.grid->mainView()->verticalScrollBar()->value());

    // Without the columns ShowPerLpu hides, the frozen count shrinks with them.
    g.host.gridSettings.showPerLpu = false;
    g.open("Коечный фонд");
    EXPECT_EQ(g.grid->frozenCols(), 2);
    EXPECT_TRUE(g.grid->frozenView()->isColumnHidden(Lpu));
    EXPECT_FALSE(g.grid->frozenView()->isColumnHidden(RowA));
    EXPECT_TRUE(g.grid->mainView()->isColumnHidden(RowA));
}

TEST(DataGrid, FitToWindowFollowsResize) {
    BedsGrid g;
    g.host.catalogue.begin()->second.alignGr = "+";
    g.open("Коечный фонд");
    QApplication::processEvents();
    auto total = [&] {
        int sum = 0;
        for (int c = Lpu; c <= N7; ++c) sum += g.grid->columnWidth(c);
        return sum;
    };
    EXPECT_FALSE(g.grid->frozenView()->isVisible());
    EXPECT_EQ(total(), g.grid->mainView()->viewport()->width());
    g.window.resize(700, 400);
    QApplication::processEvents();
    EXPECT_EQ(total(), g.grid->mainView()->viewport()->width());
    EXPECT_LT(total(), 700);
}

TEST(DataGrid, NumbersAndColours) {
    BedsGrid g;
    EXPECT_EQ(g.shown(0, N4), "");       // zero shows empty
    EXPECT_EQ(g.shown(1, N4), "-1.5");   // one decimal place
    EXPECT_EQ(g.shown(0, N3), "100");
    EXPECT_EQ(g.shown(0, RowB), "Всего");
    EXPECT_EQ(g.shown(2, RowA), "003");
    const QColor grey = grid::TableGridBuilder::buttonFace();
    EXPECT_EQ(g.model()->index(0, N4).data(Qt::BackgroundRole).value<QColor>(), grey);  // locked cell
    EXPECT_FALSE(g.model()->index(1, N4).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(g.model()->index(1, N7).data(Qt::BackgroundRole).value<QColor>(), grey);  // formula column
}

TEST(DataGrid, TypedValueIsSavedOnLeavingTheCell) {
    BedsGrid g;
    g.goTo(1, N3);
    g.type(N3, "12,5");
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "12,5");
    QTest::keyClick(editor, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(g.grid->currentIndex().column(), N4);
    EXPECT_EQ(g.dm.tblYear->state(), data::DatasetState::Browse);
    EXPECT_EQ(g.stored("N3", "002"), "12.50");
    EXPECT_EQ(g.stored("N7", "002"), "0.00");  // the row formula ran before saving: 0 / 12.5
    EXPECT_EQ(g.shown(1, N3), "13");  // no decimal places in this column

    // Into the next row by the arrow key: saved as well, formula over the new value.
    g.goTo(0, N6);
    g.type(N6, "300");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(g.stored("N6", "001"), "300.00");
    EXPECT_EQ(g.stored("N7", "001"), "3.00");
}

TEST(DataGrid, LockedAndComputedCellsRefuseTyping) {
    BedsGrid g;
    test::ScriptedDialogs dialogs;
    for (auto [row, column] : {std::pair{0, int(N4)}, {1, int(N7)}, {0, int(RowB)}}) {
        g.goTo(row, column);
        g.type(column, "7");
        QApplication::processEvents();
        EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr) << row << "/" << column;
        EXPECT_EQ(g.dm.tblYear->state(), data::DatasetState::Browse);
    }
    EXPECT_EQ(g.stored("N4", "001"), "0.00");
    EXPECT_TRUE(dialogs.messages.isEmpty());  // refused without a word
    // The unlocked cell below it takes a value.
    g.goTo(1, N4);
    g.type(N4, "7");
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
}

TEST(DataGrid, CursorCrossesBetweenPanes) {
    BedsGrid g;
    g.goTo(0, RowA);
    QTest::keyClick(g.grid->frozenView(), Qt::Key_Right);
    EXPECT_EQ(g.grid->currentIndex().column(), N3);
    EXPECT_TRUE(g.grid->mainView()->hasFocus());
    QTest::keyClick(g.grid->mainView(), Qt::Key_Left);
    EXPECT_EQ(g.grid->currentIndex().column(), RowA);
    EXPECT_TRUE(g.grid->frozenView()->hasFocus());
}

TEST(DataGrid, EscapeGivesUpTheRow) {
    BedsGrid g;
    g.goTo(2, N5);
    g.type(N5, "9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QApplication::processEvents();  // the editor commits after the key
    EXPECT_EQ(g.dm.tblYear->state(), data::DatasetState::Edit);
    QTest::keyClick(g.grid->mainView(), Qt::Key_Escape);
    EXPECT_EQ(g.dm.tblYear->state(), data::DatasetState::Browse);
    EXPECT_EQ(g.shown(2, N5), "");
    EXPECT_EQ(g.stored("N5", "003"), "null");
}

// For looking at the grid with one's own eyes: VEXO_GRID_SCREENSHOT=file.png
// saves the window as drawn, VEXO_GRID_SHOW_SECONDS keeps it on the screen.
TEST(DataGrid, Screenshot) {
    const QString file = qEnvironmentVariable("VEXO_GRID_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "set VEXO_GRID_SCREENSHOT to a file name";
    std::string more;
    const char* profiles[] = {"кардиологические", "гастроэнтерологические", "пульмонологические", "эндокринологические",
                              "неврологические", "травматологические", "урологические", "гинекологические",
                              "офтальмологические", "оториноларингологические", "инфекционные", "педиатрические"};
    int r = 4;
    for (const char* p : profiles) {
        const std::string a = (r < 10 ? "00" : "0") + std::to_string(r);
        more += "INSERT INTO \"ROWS\" (TBL, GOD, A, B, C, ITEM) VALUES (5, 0, '" + a + "', '" + p + "', '" + a + "', " +
                std::to_string(r) + ");\n";
        more += "INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N3, N4, N5, N6) VALUES (5, '010001', 'I', 2024, '" + a +
                "', " + std::to_string(10 * r) + ", " + std::to_string(10 * r + 2) + ".5, " + std::to_string(r) + ", " +
                std::to_string(40 * r) + ");\n";
        ++r;
    }
    more += "INSERT INTO CELLS (AUTOINC, TBLNAME, \"ROWS\", COL, COLORFLD) VALUES (2, '5', '2,5,7', 'N4', 'yellow');\n";
    struct Shown : test::GridFixture {
        QWidget window;
        explicit Shown(const std::string& script) : GridFixture(std::string(kBedsTable) + script) {}
    } g(more);
    grid::CatalogueTable t;
    t.number = 5;
    t.title = "Коечный фонд";
    t.formKod = "0120000";
    t.tblKod = "005000";
    t.alignGr = "5";
    t.getCellParams = "N4";
    g.addTable(t);
    g.host.gridSettings.colorCells = true;
    auto* layout = new QVBoxLayout(&g.window);
    layout->addWidget(g.grid.get());
    layout->addWidget(&g.host.navigator);
    g.window.setWindowTitle("Ривента");
    g.window.resize(1000, 520);
    g.open("Коечный фонд");
    g.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g.window));
    g.grid->setCurrentCell(1, N3);
    QTest::qWait(300);
    EXPECT_TRUE(g.window.grab().save(file));
    QTest::qWait(1000 * qEnvironmentVariableIntValue("VEXO_GRID_SHOW_SECONDS"));
    g.grid->setParent(nullptr);
    g.host.navigator.setParent(nullptr);
}

}  // namespace
