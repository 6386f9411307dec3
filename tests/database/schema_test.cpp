#include "fb/error.h"
#include "test_database.h"

#include <gtest/gtest.h>

using namespace vexo;
using vexo::test::TestDatabase;

TEST(Schema, LoadsAndCarriesItsVersion) {
    TestDatabase db(test::schemaScripts());
    EXPECT_EQ(db.text("select B from NASTR where A = 'Version'"), "3.78");
}

TEST(Schema, ListRowsCoexistOrdinaryDuplicatesFail) {
    TestDatabase db(test::schemaScripts());
    const std::string row = "insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", TIPSVODA) values (7, '01010001', 'I', 2024, '001', ";
    db.exec(row + "11)");
    db.exec(row + "12)");
    EXPECT_EQ(db.scalar("select count(*) from TBL").toInt64(), 2);
    db.exec("insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\") values (8, '01010001', 'I', 2024, '001')");
    EXPECT_EQ(db.scalar("select TIPSVODA from TBL where NTBL = 8").toInt64(), 0);
    try {
        db.exec("insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\") values (8, '01010001', 'I', 2024, '001')");
        FAIL() << "duplicate accepted";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.hasCode(335544665)) << e.what();  // unique key violation
    }
}

TEST(Schema, ImportFindsPrimaryKeysInTheCatalogue) {
    TestDatabase db(test::schemaScripts());
    auto keyOf = [&](const std::string& table) {
        std::string key;
        for (const auto& r : db.rows("select trim(i.rdb$field_name) from rdb$relation_constraints rc, "
                                     "rdb$index_segments i where (i.rdb$index_name = rc.rdb$index_name) and "
                                     "(rc.rdb$constraint_type = 'PRIMARY KEY') and (rc.rdb$relation_name = '" +
                                     table + "') order by i.rdb$field_position"))
            key += "," + r[0].toText();
        return key + ",";
    };
    EXPECT_EQ(keyOf("TBL"), ",NTBL,GOD,PERIOD,LPU,ROW,TIPSVODA,");
    EXPECT_EQ(keyOf("ROWS"), ",TBL,A,C,GOD,");
    EXPECT_EQ(keyOf("COLUMNS"), ",AUTOINC,");
    EXPECT_EQ(keyOf("SPRDATE"), ",GR,A,");
    EXPECT_EQ(keyOf("KODIF"), ",A,");
}

TEST(Schema, RowVersionsOfSeveralYearsCoexist) {
    TestDatabase db(test::schemaScripts());
    for (int god : {2013, 2014, 2015})
        db.exec("insert into \"ROWS\" (TBL, A, C, GOD) values (360, '001', '1', " + std::to_string(god) + ")");
    EXPECT_EQ(db.scalar("select count(*) from \"ROWS\" where TBL = 360").toInt64(), 3);
    EXPECT_THROW(db.exec("insert into \"ROWS\" (TBL, A, C, GOD) values (360, '001', '1', 2014)"), fb::Error);
}
