#include "fb/error.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <string>

using namespace vexo;
using vexo::test::TestDatabase;

namespace {

// Table 5 of a quarterly theme: n1 counted "end", n2 "beg", n3 "avg", n4 summed.
class SvodProcedures : public ::testing::Test {
protected:
    TestDatabase db{test::schemaScripts()};

    void SetUp() override {
        db.exec("insert into GRPNAME (A, B, PERIOD) values ('100', 'Квартальные', 'кв')");
        db.exec("insert into TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) "
                "values ('100', '1000100', '001000', '005', 'Т5', 'свод:_сумма', '3')");
        addColumn(5, "n1", "1", "end");
        addColumn(5, "n2", "2", "beg");
        addColumn(5, "n3", "3", "avg");
        addColumn(5, "n4", "4", "");
        for (const char* r : {"001", "002", "003"}) {
            db.exec(std::string("insert into \"ROWS\" (TBL, A, C, ITEM) values (5, '") + r + "', '" + r + "', " +
                    std::to_string(std::stoi(r)) + ")");
        }
    }

    void addColumn(int tbl, const std::string& eng, const std::string& nstr, const std::string& countas,
                   const std::string& god = "null") {
        db.exec("insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR, COUNTAS, GOD) values "
                "(gen_id(GEN_COLUMNS_ID, 1), " + std::to_string(tbl) + ", '" + eng + "', '" + eng + "', '" + nstr +
                "', '" + countas + "', " + god + ")");
    }

    // A data row of table 5 for territory 0166 in 2024.
    void put(const std::string& table, const std::string& period, const std::string& row, int n1, int n2, int n3,
             int n4 = 0) {
        db.exec("insert into " + table + " (NTBL, LPU, PERIOD, GOD, \"ROW\", N1, N2, N3, N4) values (5, '0166', '" +
                period + "', 2024, '" + row + "', " + std::to_string(n1) + ", " + std::to_string(n2) + ", " +
                std::to_string(n3) + ", " + std::to_string(n4) + ")");
    }
    void putTemp(int run, const std::string& period, int n1) {
        db.exec("insert into TEMP (AUTOINC, NTBL, LPU, PERIOD, GOD, \"ROW\", N1, N3) values (" + std::to_string(run) +
                ", 5, '0166', '" + period + "', 2024, '001', " + std::to_string(n1) + ", " + std::to_string(n1) + ")");
    }

    void updatesvod(const std::string& eng, const std::string& onesome, const std::string& period,
                    const std::string& numper, const std::string& fromTbl = "") {
        db.exec("execute procedure UPDATESVOD('005', '2024', '0166', '" + eng + "', '" + onesome + "', '" + period +
                "', '" + fromTbl + "', 'I$II$', " + numper + ")");
    }

    std::string cell(const std::string& table, const std::string& col, const std::string& period,
                     const std::string& row = "001") {
        return test::utf8(db.scalar("select " + col + " from " + table + " where NTBL = 5 and LPU = '0166' and " +
                                    "GOD = 2024 and PERIOD = '" + period + "' and \"ROW\" = '" + row + "'"));
    }
};

TEST_F(SvodProcedures, FirstAndLastValueOverQuarters) {
    // The "end" column exists for quarters I and II only.
    put("SVOD", "I", "001", 10, 11, 0);
    put("SVOD", "II", "001", 20, 21, 0);
    put("SVOD", "год", "001", 30, 32, 0);  // the client's sums
    putTemp(77, "год", 30);
    updatesvod("n1", "one", "год", "4");
    updatesvod("n2", "one", "год", "4");
    EXPECT_EQ(cell("SVOD", "N1", "год"), "20.00");
    EXPECT_EQ(cell("SVOD", "N2", "год"), "11.00");
    EXPECT_EQ(test::utf8(db.scalar("select N1 from TEMP where AUTOINC = 77")), "20.00");
}

TEST_F(SvodProcedures, FirstValueOfEveryRowOfAMultiRowTable) {
    put("SVOD", "II", "001", 0, 5, 0);
    put("SVOD", "II", "002", 0, 6, 0);
    put("SVOD", "III", "001", 0, 7, 0);
    put("SVOD", "III", "002", 0, 8, 0);
    put("SVOD", "год", "001", 0, 12, 0);
    put("SVOD", "год", "002", 0, 14, 0);
    updatesvod("n2", "some", "год", "4");
    EXPECT_EQ(cell("SVOD", "N2", "год", "001"), "5.00");
    EXPECT_EQ(cell("SVOD", "N2", "год", "002"), "6.00");
}

TEST_F(SvodProcedures, AverageDividesByPeriodsThatHoldTheTable) {
    // Half-year of a monthly group with months 01..04 present: divided by 4.
    for (int m = 1; m <= 4; ++m) put("SVOD", "0" + std::to_string(m), "001", 0, 0, m == 1 ? 3 : 2);
    put("SVOD", "Iп", "001", 0, 0, 9);
    putTemp(5, "Iп", 9);
    updatesvod("n3", "one", "Iп", "12");
    EXPECT_EQ(cell("SVOD", "N3", "Iп"), "2.25");
    EXPECT_EQ(test::utf8(db.scalar("select N3 from TEMP where AUTOINC = 5")), "2.25");
}

TEST_F(SvodProcedures, AverageIsRoundedAndRowsCountOnce) {
    // The rows of table 5 described for two more metadata years must not multiply the sums.
    for (const char* god : {"2013", "2014"})
        for (const char* r : {"001", "002"})
            db.exec(std::string("insert into \"ROWS\" (TBL, A, C, ITEM, GOD) values (5, '") + r + "', '" + r +
                    "', 1, " + god + ")");
    put("SVOD", "I", "001", 0, 0, 1);
    put("SVOD", "II", "001", 0, 0, 0);
    put("SVOD", "III", "001", 0, 0, 1);
    put("SVOD", "I", "002", 0, 0, 10);
    put("SVOD", "год", "001", 0, 0, 2);
    put("SVOD", "год", "002", 0, 0, 10);
    updatesvod("n3", "some", "год", "4");
    EXPECT_EQ(cell("SVOD", "N3", "год", "001"), "0.67");  // 2 / 3 periods
    EXPECT_EQ(cell("SVOD", "N3", "год", "002"), "3.33");  // a row missing in some periods still divides by 3
}

TEST_F(SvodProcedures, NothingChangesWithoutComponentData) {
    put("SVOD", "год", "001", 30, 32, 33);
    updatesvod("n2", "one", "год", "4");      // "beg" without any quarter
    updatesvod("n3", "one", "год", "4");      // "avg" without any component row
    put("SVOD", "I", "001", 1, 1, 1);
    updatesvod("n2", "one", "I", "4");        // a single quarter has no components
    updatesvod("n2", "one", "Iп", "null");    // half-yearly groups have no NUMPER
    updatesvod("n4", "one", "год", "4");      // summed column
    updatesvod("n9", "one", "год", "4");      // column unknown
    EXPECT_EQ(cell("SVOD", "N2", "год"), "32.00");
    EXPECT_EQ(cell("SVOD", "N3", "год"), "33.00");
    EXPECT_EQ(cell("SVOD", "N2", "I"), "1.00");
}

TEST_F(SvodProcedures, InstitutionDataIsReadFromTbl) {
    put("TBL", "III", "001", 0, 40, 0);
    put("TBL", "IV", "001", 0, 50, 0);
    put("SVOD", "IIп", "001", 0, 90, 0);
    updatesvod("n2", "one", "IIп", "4", "+");
    EXPECT_EQ(cell("SVOD", "N2", "IIп"), "40.00");
}

TEST_F(SvodProcedures, LookupsThatFindSeveralRowsFail) {
    // The "end" column of table 5 described twice without a year.
    addColumn(5, "n1", "1", "end");
    put("SVOD", "I", "001", 1, 0, 0);
    put("SVOD", "год", "001", 1, 0, 0);
    EXPECT_THROW(updatesvod("n1", "one", "год", "4"), fb::Error);
    // A multi-row table treated as single-row.
    put("SVOD", "I", "002", 1, 0, 0);
    EXPECT_THROW(updatesvod("n2", "one", "год", "4"), fb::Error);
}

TEST_F(SvodProcedures, FindvarReadsOneCell) {
    put("TBL", "I", "005", 0, 0, 0, 42);
    put("SVOD", "I", "005", 0, 0, 0, 43);
    struct Case {
        const char* row;
        const char* col;
        const char* issvod;
        const char* expected;
    } cases[] = {
        {"5", "4", "", "42.00"},     // row code padded to 005
        {"005", "4", "+", "43.00"},  // consolidated data
        {"6", "4", "", "0.00"},      // no such row
        {"5", "9", "", "0.00"},      // no such column
        {"5", "", "", "0.00"},       // empty column number: not looked up at all
    };
    for (const Case& c : cases) {
        const std::string sql = std::string("select NVAL from FINDVAR('005', '0166', 'I', 2024, '") + c.row + "', '" +
                                c.col + "', '" + c.issvod + "', 'one')";
        EXPECT_EQ(test::utf8(db.scalar(sql)), c.expected) << c.row << "/" << c.col << "/" << c.issvod;
    }
    EXPECT_EQ(test::utf8(db.scalar("select NVAL from FINDVAR('', '0166', 'I', 2024, '1', '', '', 'one')")), "0.00");
}

TEST_F(SvodProcedures, DerivedTablesFallBackToOlderMetadataYears) {
    db.exec("insert into GRPNAME (A, B, PERIOD) values ('999', 'Производные', 'гд')");
    db.exec("insert into TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) "
            "values ('999', '3000100', '001000', '420', 'Т420', 'свод:_сумма', '1')");
    addColumn(420, "n1", "3", "", "2007");
    addColumn(420, "n2", "3", "", "2011");
    db.exec("insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1, N2) values (420, '0166', 'год', 2015, '001', 7, 11)");
    EXPECT_EQ(test::utf8(db.scalar("select NVAL from FINDVAR('420', '0166', 'год', 2015, '1', '3', '', 'one')")),
              "11.00");
    EXPECT_EQ(test::utf8(db.scalar("select NVAL from FINDVAR('420', '0166', 'год', 2010, '1', '3', '', 'one')")),
              "0.00");  // 2007 version: N1, no row for 2010
    db.exec("execute procedure SAVEVAR('420', '0166', 'год', 2015, '1', '3', '', 'one', 99)");
    EXPECT_EQ(test::utf8(db.scalar("select N1 from TBL where NTBL = 420")), "99.00");  // the 2007 version
    EXPECT_EQ(test::utf8(db.scalar("select N2 from TBL where NTBL = 420")), "11.00");
}

TEST_F(SvodProcedures, SavevarWritesConsolidationAndItsScratchRows) {
    put("SVOD", "I", "001", 0, 0, 0, 1);
    put("TBL", "I", "001", 0, 0, 0, 1);
    db.exec("insert into TEMP (AUTOINC, NTBL, LPU, PERIOD, GOD, \"ROW\", N4) values (1, 5, '0166', 'I', 2024, '001', 1)");
    db.exec("insert into TEMP (AUTOINC, NTBL, LPU, PERIOD, GOD, \"ROW\", N4) values (2, 5, '0166', 'I', 2024, '001', 1)");
    db.exec("execute procedure SAVEVAR('005', '0166', 'I', 2024, '1', '4', '+', 'some', 5)");
    EXPECT_EQ(cell("SVOD", "N4", "I"), "5.00");
    EXPECT_EQ(db.scalar("select count(*) from TEMP where N4 = 1").toInt64(), 2);  // "some" leaves scratch rows
    db.exec("execute procedure SAVEVAR('005', '0166', 'I', 2024, '1', '4', '+', 'one', 6)");
    EXPECT_EQ(db.scalar("select count(*) from TEMP where N4 = 6").toInt64(), 2);  // every run's rows
    EXPECT_EQ(cell("TBL", "N4", "I"), "1.00");
    db.exec("execute procedure SAVEVAR('005', '0166', 'I', 2024, '1', '4', '', 'one', 7)");
    EXPECT_EQ(cell("TBL", "N4", "I"), "7.00");
    // A missing row or an unknown column changes nothing and raises nothing.
    db.exec("execute procedure SAVEVAR('005', '0166', 'II', 2024, '1', '4', '', 'one', 8)");
    db.exec("execute procedure SAVEVAR('005', '0166', 'I', 2024, '1', '77', '', 'one', 8)");
    EXPECT_EQ(db.scalar("select count(*) from TBL where N4 = 8").toInt64(), 0);
}

}  // namespace
