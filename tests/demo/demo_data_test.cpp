// The entered data of the demo database: where it lies and what shape it has.

#include "condition_checker.h"
#include "demo_data.h"
#include "demo_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

using namespace vexo;
using namespace vexo::test;

TEST(DemoData, HoldsEveryGeneratedRow) {
    fb::Attachment db = DemoDatabase::attach();
    std::map<int, long long> generated, stored;
    const demo::DemoData data = demo::generateDemoData();
    for (const demo::DataRow& r : data.rows()) ++generated[r.table];
    for (const auto& r : queryRows(db, "select NTBL, count(*) from TBL group by NTBL"))
        stored[static_cast<int>(r[0].toInt64())] = r[1].toInt64();
    EXPECT_EQ(stored, generated);
}

TEST(DemoData, ReportsComeFromInstitutionsAndPlainTerritories) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_EQ(queryValue(db, "select count(*) from TBL t where not exists (select 1 from KODIF k where k.A = t.LPU "
                             "and (k.A3 is null or k.A3 = ''))").toInt64(), 0);
    EXPECT_GE(queryValue(db, "select count(distinct LPU) from TBL").toInt64(), 35);
    EXPECT_EQ(queryValue(db, "select count(*) from TBL t where not exists "
                             "(select 1 from TBLNAME n where cast(n.NTBL as integer) = t.NTBL)").toInt64(), 0);
}

TEST(DemoData, PeriodsFitThePeriodicityOfTheTheme) {
    fb::Attachment db = DemoDatabase::attach();
    const std::map<std::string, std::set<std::string>> allowed = {
        {"кв", {"I", "II", "III", "IV"}},
        {"пг", {"Iп", "IIп"}},
        {"мс", {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"}},
        {"гд", {"год"}},
    };
    for (const auto& r : queryRows(db, "select distinct g.PERIOD, t.PERIOD from TBL t "
                                       "join TBLNAME n on cast(n.NTBL as integer) = t.NTBL join GRPNAME g on g.A = n.TBLNAME"))
        EXPECT_TRUE(allowed.at(textOf(r[0])).count(textOf(r[1]))) << textOf(r[0]) << " " << textOf(r[1]);
    // Stored as the client stores them: padded with blanks to three characters.
    EXPECT_EQ(queryValue(db, "select count(*) from TBL where octet_length(PERIOD) <> 3").toInt64(), 0);
    EXPECT_EQ(queryValue(db, "select count(*) from TBL t where not exists (select 1 from PERIOD p where p.A = t.PERIOD)")
                  .toInt64(), 0);
}

TEST(DemoData, CurrentTablesHoldTwoYearsArchiveTablesTheirOwn) {
    fb::Attachment db = DemoDatabase::attach();
    std::map<int, std::set<long long>> years;
    for (const auto& r : queryRows(db, "select distinct NTBL, GOD from TBL"))
        years[static_cast<int>(r[0].toInt64())].insert(r[1].toInt64());
    for (const auto& [table, set] : years) {
        SCOPED_TRACE("table " + std::to_string(table));
        if (table == 420) {
            EXPECT_EQ(set, (std::set<long long>{2007, 2010, 2012}));
        } else if (table == 360) {
            EXPECT_EQ(set, (std::set<long long>{2015, 2023, 2024}));
        } else {
            EXPECT_EQ(set, (std::set<long long>{2023, 2024}));
        }
    }
    // Every table of the catalogue but the positions summary (filled by consolidation) has data.
    EXPECT_EQ(queryValue(db, "select count(*) from TBLNAME n where VIDSVODA <> 'свод:крДолж' and not exists "
                             "(select 1 from TBL t where t.NTBL = cast(n.NTBL as integer))").toInt64(), 0);
}

TEST(DemoData, FixedRowTablesAreCompleteForTheirMetadataYear) {
    fb::Attachment db = DemoDatabase::attach();
    // Rows described per table and version.
    std::map<std::pair<int, int>, std::set<std::string>> described;
    for (const auto& r : queryRows(db, "select TBL, GOD, A from \"ROWS\""))
        described[{static_cast<int>(r[0].toInt64()), static_cast<int>(r[1].toInt64())}].insert(textOf(r[2]));
    // Rows entered per report.
    std::map<std::tuple<int, std::string, std::string, int>, std::set<std::string>> entered;
    for (const auto& r : queryRows(db, "select NTBL, LPU, PERIOD, GOD, \"ROW\" from TBL where TIPSVODA = 0"))
        entered[{static_cast<int>(r[0].toInt64()), textOf(r[1]), textOf(r[2]), static_cast<int>(r[3].toInt64())}]
            .insert(textOf(r[4]));
    for (const auto& [key, rows] : entered) {
        const auto& [table, lpu, period, year] = key;
        SCOPED_TRACE("table " + std::to_string(table) + " " + lpu + " " + period + " " + std::to_string(year));
        const int god = metadataYear(table, year).value_or(0);
        const auto it = described.find({table, god});
        if (it == described.end()) {
            EXPECT_EQ(rows, (std::set<std::string>{"001"})) << "a table without fixed rows keeps row 001";
        } else {
            EXPECT_EQ(rows, it->second) << "filling creates every described row";
        }
    }
}

TEST(DemoData, ListRowsCarryTheirOwnNumbers) {
    fb::Attachment db = DemoDatabase::attach();
    const std::string lists = "(select cast(NTBL as integer) from TBLNAME where VIDSVODA = 'свод:список')";
    EXPECT_EQ(queryValue(db, "select count(*) from TBL where NTBL in " + lists + " and TIPSVODA <= 0").toInt64(), 0);
    EXPECT_EQ(queryValue(db, "select count(*) from TBL where NTBL not in " + lists + " and TIPSVODA <> 0").toInt64(), 0);
    EXPECT_EQ(queryValue(db, "select count(*) - count(distinct TIPSVODA) from TBL where NTBL in " + lists).toInt64(), 0);
    // Taken from the generator, so a new row gets a number beyond them.
    EXPECT_LE(queryValue(db, "select max(TIPSVODA) from TBL").toInt64(),
              queryValue(db, "select gen_id(GEN_COLUMNS_ID, 0) from rdb$database").toInt64());
    EXPECT_GT(queryValue(db, "select count(*) from (select LPU, PERIOD, GOD from TBL where NTBL in " + lists +
                             " group by 1, 2, 3 having count(*) > 1)").toInt64(), 0)
        << "several rows of one list table and report";
}

TEST(DemoData, CodedCellsHoldCodesOfTheirReferences) {
    fb::Attachment db = DemoDatabase::attach();
    struct Case {
        const char* what;
        const char* query;
    } cases[] = {
        {"specialities", "select count(*) from TBL t where NTBL = 5 and not exists (select 1 from SPEC s where s.A = t.S1)"},
        {"positions", "select count(*) from TBL t where NTBL = 10 and not exists (select 1 from DOLGN d where d.A = t.S1)"},
        {"categories", "select count(*) from TBL t where NTBL = 10 and not exists "
                       "(select 1 from SPRDATE s where s.GR = 'kateg' and s.A = t.S2)"},
        {"certificates", "select count(*) from TBL t where NTBL = 10 and not exists "
                         "(select 1 from SPRDATE s where s.GR = 'YesNo' and s.A = t.S3)"},
        {"education (stored by name)", "select count(*) from TBL t where NTBL = 10 and not exists "
                                       "(select 1 from SPRDATE s where s.GR = 'HarObraz' and s.B = t.C2)"},
        {"urban or rural", "select count(*) from TBL t where NTBL = 5 and not exists "
                           "(select 1 from SPRDATE s where s.GR = 'gorselo' and s.A = t.S2)"},
    };
    for (const Case& c : cases) EXPECT_EQ(queryValue(db, c.query).toInt64(), 0) << c.what;
    EXPECT_EQ(queryValue(db, "select count(*) from TBL where NTBL = 10 and (C1 is null or D1 is null)").toInt64(), 0);
}

TEST(DemoData, TheNaturalIncreaseGoesNegative) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_GT(queryValue(db, "select count(*) from TBL where NTBL = 8 and N4 < 0").toInt64(), 0);
}

TEST(DemoData, TheDatabaseStaysSmall) {
    EXPECT_LT(std::filesystem::file_size(DemoDatabase::file()), 20u * 1024 * 1024);
}
