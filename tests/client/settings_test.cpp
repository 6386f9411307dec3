#include "data/data_module.h"
#include "connected_module.h"
#include "data/settings_store.h"
#include "scripted_dialogs.h"
#include "test_database.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

struct Module : test::ConnectedModule {
    Module() : ConnectedModule(true) {}
};

}  // namespace

TEST(Settings, MissingKeysAndCaseSensitiveKeys) {
    Module m;
    data::SettingsStore s(m.dm);
    EXPECT_FALSE(s.read("LPUDefa"));
    EXPECT_EQ(s.read("LPUDefa", "000000"), "000000");
    s.write("LPUDefa", "010101");
    EXPECT_EQ(s.read("LPUDefa"), QString("010101"));
    EXPECT_FALSE(s.read("lpudefa"));  // another key
    s.write("lpudefa", "x");
    EXPECT_EQ(s.read("LPUDefa"), QString("010101"));
    s.write("LPUDefa", "010102");
    EXPECT_EQ(m.dm.scalarInt("select count(*) from NASTR where A = 'LPUDefa'"), 1);  // a key occurs once
}

TEST(Settings, AnotherComputerSeesAWrittenValue) {
    Module m;
    data::SettingsStore s(m.dm);
    s.write("ShowNstr", "N");
    fb::Attachment other = m.db.connectAgain();
    fb::Transaction tr(other);
    fb::Statement st(tr, "select B from NASTR where A = 'ShowNstr'");
    st.execute();
    ASSERT_TRUE(st.fetch());
    EXPECT_EQ(st.value(0).toText(), "N");
    EXPECT_NE(m.dm.nastr->value("AUTOINC").toLongLong(), 0);  // identifier from the generator
}

TEST(Settings, ASeriesOfWritesPostsAsItMoves) {
    Module m;
    data::SettingsStore s(m.dm);
    s.write("ShowNstr", "N", true);
    s.write("ShowPerLpu", "N", false);
    s.write("ColorCells", "Y", false);  // moving away posts ShowPerLpu
    EXPECT_EQ(m.dm.scalarText("select B from NASTR where A = 'ShowPerLpu'"), "N");
    EXPECT_EQ(s.read("NazvPer", "0"), "0");  // the read ending the series posts ColorCells
    EXPECT_EQ(m.dm.scalarText("select B from NASTR where A = 'ColorCells'"), "Y");
}
