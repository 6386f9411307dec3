// The year versions of the demo tables 420, 360 and 200 open in the grid
// with the metadata of the right year.
#include "grid_fixture.h"
#include "scripted_dialogs.h"
#include <set>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vexo;

namespace {

// A private copy of the demo database: the grid reads, but it must not
// meet another test program in the same file.
struct DemoGrid {
    test::TempDir folder;
    fb::ConnectParams params;
    data::TfDM dm;
    test::FakeHost host;
    test::ScriptedDialogs dialogs;
    grid::TDBGridEh grid;
    std::unique_ptr<grid::TableGridBuilder> builder;

    DemoGrid() {
        test::useEmbeddedEngine();
        const std::filesystem::path copy = folder.path() / "vexo.gdb";
        std::filesystem::copy_file(VEXO_DEMO_DATABASE, copy);
        params.database = copy.string();
        dm.connectDatabase(params);
        dm.openAll();
        dm.setPeriodFilter(true);
        data::Dataset& t = *dm.tblName;
        for (int r = 0; r < t.recordCount(); ++r) {
            t.moveTo(r);
            grid::CatalogueTable c;
            c.number = t.text("NTBL").trimmed().toInt();
            c.title = t.text("B");
            c.formKod = t.text("FORMKOD");
            c.tblKod = t.text("TBLKOD");
            c.vidSvoda = t.text("VIDSVODA");
            c.alignGr = t.text("ALIGNGR");
            c.alignGr800 = t.text("ALIGNGR_800");
            c.getCellParams = t.text("GETCELLPARAMS");
            host.catalogue[c.title] = c;
        }
        builder = std::make_unique<grid::TableGridBuilder>(dm, grid, host);
        host.builder = builder.get();
        host.dm = &dm;
    }
    void open(int table, int year) {
        host.year = year;
        for (const auto& [title, t] : host.catalogue)
            if (t.number == table) return builder->buildGrid(title, t.formKod, t.tblKod);
        FAIL() << "no table " << table << " in the demo catalogue";
    }
    // GOD of every entry of a metadata dataset, as loaded.
    static std::set<int> years(data::Dataset& ds) {
        std::set<int> out;
        for (int r = 0; r < ds.recordCount(); ++r) out.insert(ds.valueAt(r, ds.fieldIndex("GOD")).toInt());
        return out;
    }
    qint64 count(const QString& sql) { return dm.scalarInt(sql); }
};

TEST(DemoYears, EachYearOpensItsOwnDescription) {
    DemoGrid g;
    struct Case {
        int table, year;
        std::set<int> years;  // empty: every description of the table
    };
    const Case cases[] = {
        {420, 2010, {2010}}, {420, 2007, {2007}}, {420, 2005, {2007}}, {420, 2012, {2012}},
        {360, 2011, {}},     {360, 2014, {2014}}, {360, 2025, {2019}}, {200, 2016, {}},
    };
    for (const Case& c : cases) {
        g.open(c.table, c.year);
        const std::string what = std::to_string(c.table) + " in " + std::to_string(c.year);
        const QString n = QString::number(c.table);
        if (c.years.empty()) {
            EXPECT_EQ(g.builder->columns().count(), g.count("select count(*) from COLUMNS where tbl=" + n)) << what;
        } else {
            EXPECT_EQ(DemoGrid::years(*g.dm.columns), c.years) << what;
            const int god = *c.years.begin();
            EXPECT_EQ(g.builder->columns().count(),
                      g.count("select count(*) from COLUMNS where tbl=" + n + " and god=" + QString::number(god)))
                << what;
            if (c.table == 420) {
                EXPECT_TRUE(g.builder->isRowMode()) << what;
                EXPECT_EQ(DemoGrid::years(*g.dm.rows), c.years) << what;
            }
        }
        EXPECT_EQ(g.grid.columnCount(), g.builder->columns().count()) << what;
        EXPECT_TRUE(g.dialogs.messages.isEmpty()) << what << ": " << g.dialogs.texts().join(" / ").toStdString();
    }
}

}  // namespace
