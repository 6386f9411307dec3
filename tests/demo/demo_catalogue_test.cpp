// The demo catalogue: themes, tables, their columns and rows per metadata
// year, cell marks, group tables and the transfer and report-form lists.

#include "condition_checker.h"
#include "demo_database.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

using namespace vexo;
using namespace vexo::test;

namespace {

std::set<std::string> textSet(fb::Attachment& db, const std::string& sql, const std::vector<fb::Value>& params = {}) {
    std::set<std::string> out;
    for (const auto& r : queryRows(db, sql, params)) out.insert(textOf(r[0]));
    return out;
}

std::set<long long> numberSet(fb::Attachment& db, const std::string& sql, const std::vector<fb::Value>& params = {}) {
    std::set<long long> out;
    for (const auto& r : queryRows(db, sql, params)) out.insert(r[0].isNull() ? 0 : r[0].toInt64());
    return out;
}

// The condition the grid appends to its COLUMNS and "ROWS" queries.
std::string yearCondition(int table, int year) {
    const auto god = metadataYear(table, year);
    return god ? " and god=" + std::to_string(*god) : std::string();
}

}  // namespace

TEST(DemoCatalogue, ThemesCoverEveryPeriodicityAndTheDerivedTables) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_EQ(textSet(db, "select PERIOD from GRPNAME"), (std::set<std::string>{"кв", "пг", "мс", "гд"}));
    EXPECT_EQ(textSet(db, "select A from GRPNAME where A = '999'").size(), 1u);
    EXPECT_EQ(queryValue(db, "select count(*) from TBLNAME t where not exists "
                             "(select 1 from GRPNAME g where g.A = t.TBLNAME)").toInt64(), 0);
    EXPECT_EQ(queryValue(db, "select count(*) from GRPNAME g where not exists "
                             "(select 1 from TBLNAME t where t.TBLNAME = g.A)").toInt64(), 0)
        << "a theme without tables fails to open";
}

TEST(DemoCatalogue, EveryKindOfConsolidationIsPresent) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_EQ(textSet(db, "select VIDSVODA from TBLNAME"),
              (std::set<std::string>{"свод:_сумма", "свод:список", "свод:крДолж"}));
    // A list table is sorted by its ORDERSP; the positions table lists DOLGN in S1.
    EXPECT_EQ(queryValue(db, "select count(*) from TBLNAME where VIDSVODA = 'свод:список' and "
                             "(ORDERSP is null or ORDERSP = '')").toInt64(), 0);
    EXPECT_GT(queryValue(db, "select count(*) from TBLNAME t join COLUMNS c on c.TBL = cast(t.NTBL as integer) "
                             "where t.VIDSVODA = 'свод:крДолж' and c.ENG = 's1_' and c.SPR = 'DOLGN'").toInt64(), 0);
}

TEST(DemoCatalogue, FormAndTableCodesHaveTheShapesConditionsResolve) {
    fb::Attachment db = DemoDatabase::attach();
    std::set<std::string> pairs;
    std::set<std::string> titles;
    for (const auto& r : queryRows(db, "select FORMKOD, TBLKOD, NTBL, B from TBLNAME")) {
        const std::string form = textOf(r[0]), table = textOf(r[1]), number = textOf(r[2]);
        SCOPED_TRACE("table " + number);
        ASSERT_EQ(form.size(), 7u);
        EXPECT_EQ(form.find_first_not_of("0123456789"), std::string::npos);
        EXPECT_EQ(form.substr(5), "00");
        ASSERT_EQ(table.size(), 6u);
        EXPECT_EQ(table.substr(0, 2), "00");
        EXPECT_TRUE(pairs.insert(form + table).second) << "two tables share form and table code";
        EXPECT_TRUE(titles.insert(textOf(r[3])).second) << "titles must be unique in the catalogue";
        // A form with a sub-code is reachable only as form 41 or 54.
        if (form.substr(3, 2) != "00") {
            EXPECT_TRUE(form == "0410100" || form == "0540100") << form;
        }
    }
    EXPECT_EQ(textSet(db, "select FORMKOD from TBLNAME where FORMKOD in ('0410100', '0540100')").size(), 2u);
}

TEST(DemoCatalogue, TableNumbersLieOnBothSidesOfTheYearThresholds) {
    fb::Attachment db = DemoDatabase::attach();
    const auto numbers = numberSet(db, "select cast(NTBL as integer) from TBLNAME");
    EXPECT_TRUE(numbers.count(200) && numbers.count(360) && numbers.count(420));
    EXPECT_GE(std::count_if(numbers.begin(), numbers.end(), [](long long n) { return n <= 30; }), 8);
    EXPECT_EQ(textOf(queryValue(db, "select TBLNAME from TBLNAME where NTBL = '420'")), "999");
}

TEST(DemoCatalogue, MetadataVersionsOfTheYearDependentTables) {
    fb::Attachment db = DemoDatabase::attach();
    struct Case {
        int table;
        std::set<long long> years;
    } cases[] = {
        {420, {2007, 2010, 2012}},
        {360, {2013, 2014, 2015, 2016, 2017, 2018, 2019}},
        {200, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("table " + std::to_string(c.table));
        EXPECT_EQ(numberSet(db, "select distinct GOD from COLUMNS where TBL = ?", {c.table}), c.years);
        EXPECT_EQ(numberSet(db, "select distinct GOD from \"ROWS\" where TBL = ?", {c.table}), c.years);
    }
}

// What the grid shows of a table in a year: columns and rows of the chosen version.
TEST(DemoCatalogue, TheYearPicksItsVersion) {
    fb::Attachment db = DemoDatabase::attach();
    struct Case {
        int table, year;
        long long columns, rows;
    } cases[] = {
        {420, 2005, 8, 3},  {420, 2007, 8, 3},  {420, 2008, 0, 0},  {420, 2009, 0, 0},
        {420, 2010, 9, 3},  {420, 2011, 0, 0},  {420, 2012, 10, 4}, {420, 2024, 0, 0},
        {360, 2011, 68, 36}, {360, 2013, 9, 5}, {360, 2014, 9, 5},  {360, 2016, 10, 5},
        {360, 2018, 10, 5}, {360, 2019, 11, 6}, {360, 2025, 11, 6}, {200, 2016, 10, 5},
        {200, 2005, 10, 5}, {1, 2024, 18, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("table " + std::to_string(c.table) + " in " + std::to_string(c.year));
        const std::string where = "where tbl=" + std::to_string(c.table) + yearCondition(c.table, c.year);
        EXPECT_EQ(queryValue(db, "select count(*) from COLUMNS " + where).toInt64(), c.columns);
        EXPECT_EQ(queryValue(db, "select count(*) from \"ROWS\" " + where).toInt64(), c.rows);
    }
}

TEST(DemoCatalogue, VersionsOfTable360DifferWhereTheyAreMeantTo) {
    fb::Attachment db = DemoDatabase::attach();
    auto captions = [&](int god) { return textSet(db, "select RUS from COLUMNS where TBL = 360 and GOD = ?", {god}); };
    EXPECT_EQ(captions(2013), captions(2015));
    EXPECT_NE(captions(2015), captions(2016)) << "2016 renames column 6 and adds column 7";
    EXPECT_EQ(captions(2016), captions(2018));
    EXPECT_NE(captions(2018), captions(2019)) << "2019 adds column 8";
}

TEST(DemoCatalogue, ColumnsAndRowsBelongToCatalogueTables) {
    fb::Attachment db = DemoDatabase::attach();
    const std::string known = "(select cast(NTBL as integer) from TBLNAME union select cast(NTBL as integer) from TBLNAMES)";
    EXPECT_EQ(queryValue(db, "select count(*) from COLUMNS where TBL not in " + known).toInt64(), 0);
    EXPECT_EQ(queryValue(db, "select count(*) from \"ROWS\" where TBL not in " + known).toInt64(), 0);
    EXPECT_EQ(queryValue(db, "select count(*) from (select cast(NTBL as integer) n from TBLNAME union "
                             "select cast(NTBL as integer) from TBLNAMES) t "
                             "where not exists (select 1 from COLUMNS c where c.TBL = t.n)")
                  .toInt64(),
              0)
        << "every table needs columns";
}

TEST(DemoCatalogue, FixedRowTablesHaveRowsAndOthersNone) {
    fb::Attachment db = DemoDatabase::attach();
    // Per table and version: a row_ column means rows of the same version, and the other way round.
    const auto withRowColumn =
        textSet(db, "select distinct TBL || '/' || coalesce(GOD, 0) from COLUMNS where ENG starting with 'row_'");
    const auto withRows = textSet(db, "select distinct TBL || '/' || GOD from \"ROWS\"");
    EXPECT_EQ(withRowColumn, withRows);
    EXPECT_EQ(queryValue(db, "select count(*) from \"ROWS\" where ITEM is null").toInt64(), 0);
    // Row numbers are three digits and their display order is unique per version.
    EXPECT_EQ(queryValue(db, "select count(*) from \"ROWS\" where char_length(A) <> 3").toInt64(), 0);
    EXPECT_EQ(queryValue(db, "select count(*) from (select TBL, GOD, ITEM from \"ROWS\" group by 1, 2, 3 "
                             "having count(*) > 1)").toInt64(), 0);
}

TEST(DemoCatalogue, ColumnDescriptionsAreWellFormed) {
    fb::Attachment db = DemoDatabase::attach();
    const auto columns =
        queryRows(db, "select TBL, coalesce(GOD, 0), ENG, RUS, DECIMAL_FM, FORMULA, NEXT, AUTOINC from COLUMNS");
    std::map<std::pair<long long, long long>, std::set<std::string>> namesOfVersion;
    for (const auto& r : columns) namesOfVersion[{r[0].toInt64(), r[1].toInt64()}].insert(textOf(r[2]));

    // A data column of TBL in lower case, or a display name.
    static const std::regex kName("god|lpu_|period_|row_A|row_B|[ncsd]([1-9]|[12][0-9]|30)|[sc]([1-9]|1[0-9]|2[0-2])_");
    for (const auto& r : columns) {
        const std::string eng = textOf(r[2]), rus = textOf(r[3]);
        SCOPED_TRACE("table " + r[0].toText() + " " + eng);
        EXPECT_TRUE(std::regex_match(eng, kName)) << eng;
        const size_t eq = rus.find('=');
        if (eq != std::string::npos) {
            EXPECT_EQ(rus.find_first_not_of("0123456789", eq + 1), std::string::npos) << rus;
        }
        const std::string dec = textOf(r[4]);
        EXPECT_TRUE(dec.empty() || (dec.size() == 1 && dec[0] >= '0' && dec[0] <= '9'));
        EXPECT_EQ(r[6].toInt64(), r[7].toInt64()) << "NEXT orders the columns as written";
        // Every name in a row formula is a column of the same table and version.
        const std::string formula = textOf(r[5]);
        const auto& names = namesOfVersion[{r[0].toInt64(), r[1].toInt64()}];
        for (size_t open = formula.find('['); open != std::string::npos; open = formula.find('[', open + 1))
            EXPECT_TRUE(names.count(formula.substr(open + 1, formula.find(']', open) - open - 1))) << formula;
    }
    EXPECT_EQ(queryValue(db, "select count(*) from (select TBL, coalesce(GOD, 0) GOD0, NSTR from COLUMNS "
                             "where NSTR is not null group by 1, 2, 3 having count(*) > 1)").toInt64(), 0);
}

TEST(DemoCatalogue, ShowcaseFeaturesOfTheGridArePresent) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_GT(queryValue(db, "select count(*) from COLUMNS where RUS = 'Число коек|на конец периода|в т.ч. детских'")
                  .toInt64(), 0);
    EXPECT_GT(queryValue(db, "select count(*) from COLUMNS where RUS = 'Период=60'").toInt64(), 0);
    EXPECT_EQ(textSet(db, "select COUNTAS from COLUMNS where COUNTAS is not null"),
              (std::set<std::string>{"beg", "end", "avg"}));
    EXPECT_GT(queryValue(db, "select count(*) from COLUMNS where FORMULA is not null and RDONLY = '+'").toInt64(), 0);
    EXPECT_GT(queryValue(db, "select count(*) from COLUMNS where DECIMAL_FM = '2'").toInt64(), 0);
    EXPECT_TRUE(textSet(db, "select ALIGNGR from TBLNAME").count("+"));
    EXPECT_GT(queryValue(db, "select count(*) from TBLNAME where ALIGNGR between '1' and '9'").toInt64(), 0);
    // A text column filled from a reference list and a coded one.
    EXPECT_GT(queryValue(db, "select count(*) from COLUMNS where ENG starting with 'c' and ENG like '%\\_' escape '\\' "
                             "and SPR is not null").toInt64(), 0);
}

TEST(DemoCatalogue, CellMarksNameColumnsTheTableLetThemMark) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_EQ(textSet(db, "select COLORFLD from CELLS"), (std::set<std::string>{"gray", "yellow"}));
    for (const auto& r : queryRows(db, "select c.TBLNAME, c.COL, c.\"ROWS\", t.GETCELLPARAMS from CELLS c "
                                       "left join TBLNAME t on t.NTBL = c.TBLNAME")) {
        const std::string table = textOf(r[0]), col = textOf(r[1]), params = "," + textOf(r[3]) + ",";
        SCOPED_TRACE("table " + table + " " + col);
        EXPECT_NE(params.find("," + col + ","), std::string::npos) << "not in GETCELLPARAMS, never looked up";
        const std::string rows = textOf(r[2]);
        size_t start = 0;
        while (start <= rows.size()) {
            const size_t comma = rows.find(',', start);
            const std::string n = rows.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            char code[8];
            std::snprintf(code, sizeof code, "%03d", std::stoi(n));
            EXPECT_EQ(queryValue(db, "select count(*) from \"ROWS\" where TBL = ? and A = ?", {std::stoi(table), code})
                          .toInt64(), 1)
                << "row " << n;
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        // The mark compares with the grid's upper-cased field name.
        EXPECT_EQ(queryValue(db, "select count(*) from COLUMNS where TBL = ? and upper(ENG) = ?", {std::stoi(table), col})
                      .toInt64(), 1);
    }
}

TEST(DemoCatalogue, GroupTablesAndTransfersJoinTablesOfOneLayout) {
    fb::Attachment db = DemoDatabase::attach();
    auto layout = [&](const std::string& table) {
        std::string out;
        for (const auto& r : queryRows(db, "select ENG, NSTR from COLUMNS where TBL = ? and ENG starting with 'n' "
                                           "order by NEXT", {std::stoi(table)}))
            out += textOf(r[0]) + "/" + textOf(r[1]) + " ";
        return out;
    };
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto& r : queryRows(db, "select NTBL, FROMTBL from TBLNAMES")) {
        const std::string group = textOf(r[0]), from = textOf(r[1]);
        size_t start = 0;
        while (start <= from.size()) {
            const size_t semi = from.find(';', start);
            pairs.push_back({group, from.substr(start, semi == std::string::npos ? std::string::npos : semi - start)});
            if (semi == std::string::npos) break;
            start = semi + 1;
        }
    }
    for (const auto& r : queryRows(db, "select A, B from MOVE")) pairs.push_back({textOf(r[0]), textOf(r[1])});
    ASSERT_GE(pairs.size(), 6u);
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(a + " and " + b);
        EXPECT_FALSE(layout(a).empty());
        EXPECT_EQ(layout(a), layout(b));
    }
}

TEST(DemoCatalogue, ReportFormsBelongToThemes) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_GE(queryValue(db, "select count(*) from TBLEXCEL").toInt64(), 2);
    EXPECT_EQ(queryValue(db, "select count(*) from TBLEXCEL x where not exists "
                             "(select 1 from GRPNAME g where g.A = x.TBLNAME)").toInt64(), 0);
}
