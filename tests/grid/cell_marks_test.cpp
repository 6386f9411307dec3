// Marked cells: which colour a cell takes and which cells refuse typing.
#include "cell_marks.h"
#include "data/data_module.h"
#include "test_database.h"

#include <gtest/gtest.h>

using namespace vexo;
using grid::CellMark;
using grid::CellMarks;

namespace {

const CellMarks::Rules kColouring{"N3, n4,N7", true, false};

TEST(CellMarks, LaterRowWinsTheColour) {
    CellMarks marks;
    marks.set({{"N4", "1,2", "yellow"}, {"n4", "2", "gray"}, {"N4", "3", "gray"}, {"N4", "3,5", "yellow"}}, kColouring);
    EXPECT_EQ(marks.mark("N4", "001"), CellMark::Yellow);
    EXPECT_EQ(marks.mark("N4", "002"), CellMark::Gray);
    EXPECT_EQ(marks.mark("n4", "003"), CellMark::Yellow);
    EXPECT_EQ(marks.mark("N4", "004"), CellMark::None);
    // A later yellow mark changes the colour, not the lock.
    EXPECT_TRUE(marks.isLocked("N4", "003"));
    EXPECT_TRUE(marks.isLocked("N4", "002"));
    EXPECT_FALSE(marks.isLocked("N4", "001"));
}

TEST(CellMarks, RowListsAreWholeNumbers) {
    CellMarks marks;
    marks.set({{"N3", "1, 12,100", "gray"}}, kColouring);
    EXPECT_TRUE(marks.isLocked("N3", "012"));
    EXPECT_TRUE(marks.isLocked("N3", "100"));
    EXPECT_FALSE(marks.isLocked("N3", "002"));  // "12" does not hold 2
    EXPECT_FALSE(marks.isLocked("N3", "010"));  // nor "100" 10
    EXPECT_FALSE(marks.isLocked("N3", ""));
}

TEST(CellMarks, OnlyColumnsOfGetCellParams) {
    CellMarks marks;
    marks.set({{"N5", "1", "gray"}, {"N3", "1", "gray"}}, kColouring);
    EXPECT_FALSE(marks.isLocked("N5", "001"));
    EXPECT_EQ(marks.mark("N5", "001"), CellMark::None);
    EXPECT_TRUE(marks.isMarkable("n7"));

    marks.set({{"N3", "1", "gray"}}, {"", true, false});
    EXPECT_FALSE(marks.isLocked("N3", "001"));
}

TEST(CellMarks, ColourSettings) {
    const std::vector<CellMarks::Entry> both{{"N3", "1", "gray"}, {"N3", "2", "yellow"}};
    struct Case {
        bool colorCells, zdravVer;
        CellMark gray, yellow;
    };
    const Case cases[] = {
        {true, false, CellMark::Gray, CellMark::Yellow},
        {true, true, CellMark::Gray, CellMark::Yellow},
        {false, false, CellMark::Gray, CellMark::None},  // without ColorCells only the locked cells show
        {false, true, CellMark::None, CellMark::None},   // ZdravVer without ColorCells: no colours at all
    };
    for (const Case& c : cases) {
        CellMarks marks;
        marks.set(both, {"N3", c.colorCells, c.zdravVer});
        EXPECT_EQ(marks.mark("N3", "001"), c.gray) << c.colorCells << c.zdravVer;
        EXPECT_EQ(marks.mark("N3", "002"), c.yellow) << c.colorCells << c.zdravVer;
        EXPECT_TRUE(marks.isLocked("N3", "001"));  // locking never depends on colouring
    }
}

TEST(CellMarks, ReadInTheOrderTheRowsWereEntered) {
    test::TestDatabase db{test::schemaScripts()};
    // Same cell, opposite orders in two tables; identifiers decide which row is later.
    db.exec("insert into CELLS (AUTOINC, TBLNAME, \"ROWS\", COL, COLORFLD) values (3, '7', '4', 'N3', 'yellow')");
    db.exec("insert into CELLS (AUTOINC, TBLNAME, \"ROWS\", COL, COLORFLD) values (1, '7', '4', 'N3', 'gray')");
    db.exec("insert into CELLS (AUTOINC, TBLNAME, \"ROWS\", COL, COLORFLD) values (5, '8', '4', 'N3', 'gray')");
    db.exec("insert into CELLS (AUTOINC, TBLNAME, \"ROWS\", COL, COLORFLD) values (4, '8', '4', 'N3', 'yellow')");
    db.commit();
    data::TfDM dm;
    dm.connectDatabase(db.params());
    CellMarks marks;
    marks.load(dm, 7, {"N3", true, false});
    EXPECT_EQ(marks.mark("N3", "004"), CellMark::Yellow);
    EXPECT_TRUE(marks.isLocked("N3", "004"));
    marks.load(dm, 8, {"N3", true, false});
    EXPECT_EQ(marks.mark("N3", "004"), CellMark::Gray);
}

}  // namespace
