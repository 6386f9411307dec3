#include "fb/error.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vexo;
using vexo::test::TestDatabase;

namespace {

// Form 12: table 1000 (rows 001..007, columns 3, 4, 5) and the single-row table 2000 (column 1).
class Conditions : public ::testing::Test {
protected:
    TestDatabase db{test::schemaScripts()};

    void SetUp() override {
        db.runScript(
            "insert into GRPNAME (A, B, PERIOD) values ('100', 'Квартальные', 'кв');\n"
            "insert into TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) values "
            "('100', '0120000', '001000', '001', 'Койки', 'свод:_сумма', '7');\n"
            "insert into TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) values "
            "('100', '0120000', '002000', '002', 'Итоги', 'свод:_сумма', '1');\n"
            "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR) values (1, 1, 'n3', 'Всего', '3');\n"
            "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR) values (2, 1, 'n4', 'Детские', '4');\n"
            "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR) values (3, 1, 'n5', 'Доля', '5');\n"
            "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR) values (4, 2, 'n1', 'Итого', '1');\n"
            "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR) values (5, 1, 'c1', 'Примечание', '6');\n"
            "insert into KODIF (A, C, B, B1, RAION) values ('010101', '0101', 'ЦРБ', 'ЦРБ', '01');\n"
            "insert into KODIF (A, C, B, B1, RAION) values ('010102', '0102', 'Больница', 'Больница', '01');\n");
        // Row r: column 3 = 10 r, column 4 = 4 r; row 7 is the total of rows 1..6.
        for (int r = 1; r <= 6; ++r) put("TBL", "010101", 2024, r, 10 * r, 4 * r);
        put("TBL", "010101", 2024, 7, 210, 84);
        db.exec("insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) values (2, '010101', 'I', 2024, '001', 210)");
    }

    void put(const std::string& table, const std::string& lpu, int year, int row, int n3, int n4) {
        db.exec("insert into " + table + " (NTBL, LPU, PERIOD, GOD, \"ROW\", N3, N4) values (1, '" + lpu + "', 'I', " +
                std::to_string(year) + ", '00" + std::to_string(row) + "', " + std::to_string(n3) + ", " +
                std::to_string(n4) + ")");
    }

    void condition(const std::string& number, const std::string& text) {
        db.exec("update or insert into POKAZ (A1, A2) values (?, ?) matching (A1)", {number, test::cp1251(text)});
    }

    // The violations KONT reports: reform_formula of each row.
    std::vector<std::string> kont(const std::string& text, bool relative = false, const std::string& lpu = "010101",
                                  const std::string& issvod = "") {
        condition("00000001", text);
        std::vector<std::string> out;
        for (const auto& row : db.rows("select * from KONT('one', '" + lpu + "', 'I  ', '2024', '" + issvod +
                                       "', '100', '00000001" + (relative ? "$+$" : "$-$") + "')"))
            out.push_back(test::utf8(row[0]));
        return out;
    }

    std::vector<std::vector<std::string>> kontRows(const std::string& text) {
        condition("00000001", text);
        std::vector<std::vector<std::string>> out;
        for (const auto& row : db.rows("select * from KONT('one', '010101', 'I  ', '2024', '', '100', '00000001$-$')"))
            out.push_back({test::utf8(row[0]), test::utf8(row[1]), test::utf8(row[2])});
        return out;
    }

    std::string cell(const std::string& table, const std::string& field, const std::string& where) {
        return test::utf8(db.scalar("select " + field + " from " + table + " where " + where));
    }
};

TEST_F(Conditions, RowTotalHoldsOrFails) {
    EXPECT_TRUE(kont("12,1000,7,3=12,1000,1,3+12,1000,2,3+12,1000,3,3+12,1000,4,3+12,1000,5,3+12,1000,6,3").empty());
    db.exec("update TBL set N3 = 11 where NTBL = 1 and \"ROW\" = '002'");
    const auto rows = kontRows("12,1000,7,3=12,1000,1,3+12,1000,2,3+12,1000,3,3+12,1000,4,3+12,1000,5,3+12,1000,6,3");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], "210.00 = 10.00+11.00+30.00+40.00+50.00+60.00");
    EXPECT_EQ(rows[0][1], "Левая часть: 210.00, правая часть: 201.00, разность: 9.00");
    EXPECT_NE(rows[0][2].find("ф.01200 т.1000 стр.007 гр.3 = 210.00"), std::string::npos) << rows[0][2];
    EXPECT_NE(rows[0][2].find("стр.002 гр.3 = 11.00"), std::string::npos) << rows[0][2];
}

TEST_F(Conditions, CyclesReportOnlyTheFailingSteps) {
    db.exec("update TBL set N4 = 99 where NTBL = 1 and \"ROW\" in ('002', '004')");
    const auto rows = kontRows("12,1000,1:5,3>=12,1000,1:5,4");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "20.00 >= 99.00");
    EXPECT_EQ(rows[0][2].substr(0, std::string("Шаг 2 из 5. ").size()), "Шаг 2 из 5. ");
    EXPECT_EQ(rows[1][0], "40.00 >= 99.00");

    // Rows 1, 2 by columns 3, 4: the steps run through the columns of each row.
    db.exec("update TBL set N4 = 5 where NTBL = 1 and \"ROW\" = '002'");
    const auto grid = kont("12,1000,1.2,3.4<12,1000,6,3");  // row 6, column 3 is 60
    EXPECT_TRUE(grid.empty());
    db.exec("update TBL set N4 = 70 where NTBL = 1 and \"ROW\" = '002'");
    const auto failing = kontRows("12,1000,1.2,3.4<12,1000,6,3");
    ASSERT_EQ(failing.size(), 1u);
    EXPECT_EQ(failing[0][2].substr(0, std::string("Шаг 4 из 4. ").size()), "Шаг 4 из 4. ");
}

TEST_F(Conditions, TermListsWithRanges) {
    // 10 + 20 + 50 + 60 = 140 (rows 1, 2 and the range 5П6).
    EXPECT_TRUE(kont("12,1000,1+2+5П6,3=140").empty());
    EXPECT_EQ(kont("12,1000,1+2+5П6,3=141"), std::vector<std::string>{"(10.00+20.00+50.00+60.00) = 141"});
    // A term list in the column field: column 3 minus column 4 of row 5 is 30.
    EXPECT_TRUE(kont("12,1000,5,3-4=30").empty());
}

TEST_F(Conditions, CrossTableAndMissingMetadata) {
    EXPECT_TRUE(kont("12,1000,7,3=12,2000,1,1").empty());
    db.exec("update TBL set N1 = 200 where NTBL = 2");
    EXPECT_EQ(kont("12,1000,7,3=12,2000,1,1"), std::vector<std::string>{"210.00 = 200.00"});
    EXPECT_EQ(kont("12,1000,7,3=12,3000,1,1"),
              std::vector<std::string>{"Ошибка в условии: нет таблицы с кодом формы 0120000 и кодом таблицы 003000"});
    EXPECT_EQ(kont("12,1000,7,9=0"), std::vector<std::string>{"Ошибка в условии: в таблице 1 нет графы 9"});
}

TEST_F(Conditions, ColumnsOfOtherMetadataYearsDoNotApply) {
    // Table 360 gained column 4 in 2016: data of 2014 has no such cell.
    db.runScript(
        "insert into TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) values "
        "('100', '0300000', '003600', '360', 'Версии', 'свод:_сумма', '1');\n"
        "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR, GOD) values (11, 360, 'n3', 'А', '3', 2014);\n"
        "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR, GOD) values (12, 360, 'n3', 'А', '3', 2016);\n"
        "insert into COLUMNS (AUTOINC, TBL, ENG, RUS, NSTR, GOD) values (13, 360, 'n4', 'Б', '4', 2016);\n"
        "insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N3, N4) values (360, '010101', 'I', 2014, '001', 5, 9);\n");
    auto at = [&](const std::string& year) {
        return db.rows("select * from KONT('one', '010101', 'I  ', '" + year + "', '', '100', '00000001$-$')").size();
    };
    condition("00000001", "30,3600,1,3>=30,3600,1,4");
    EXPECT_EQ(at("2014"), 0u);
    db.exec("insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N3, N4) values (360, '010101', 'I', 2016, '001', 5, 9)");
    EXPECT_EQ(at("2016"), 1u);
    // A column no year knows is a mistake in the condition.
    condition("00000001", "30,3600,1,3>=30,3600,1,7");
    EXPECT_EQ(test::utf8(db.rows("select * from KONT('one', '010101', 'I  ', '2016', '', '100', '00000001$-$')")[0][0]),
              "Ошибка в условии: в таблице 360 нет графы 7");
}

TEST_F(Conditions, EarlierYearsThroughTheYearField) {
    // Last year's totals: row 7 held 200 then.
    put("TBL", "010101", 2023, 7, 200, 80);
    EXPECT_TRUE(kont("12,1000,7,3>=100,,12,1000,7,3").empty());
    EXPECT_EQ(kont("12,1000,7,3<100,,12,1000,7,3"), std::vector<std::string>{"210.00 < 200.00"});
    // Without the data of two years ago the comparison does not apply.
    EXPECT_TRUE(kont("12,1000,7,3<200,,12,1000,7,3").empty());
    // Normalisation drops the first two characters when the first comma stands
    // fourth or later, so a year reference cannot open a condition: "100,,12,..."
    // becomes "0,,12,..." (year 0, no data, nothing to report).
    EXPECT_TRUE(kont("100,,12,1000,7,3>12,1000,7,3").empty());
}

TEST_F(Conditions, RelativeIndicatorsOnlyWhenAsked) {
    // Column 5 holds the share of children's beds in per cent, entered rounded.
    db.exec("update TBL set N5 = 40.1 where NTBL = 1 and \"ROW\" = '007'");
    const std::string share = "12,1000,7,5;12,1000,7,4/12,1000,7,3*100";
    EXPECT_TRUE(kont(share).empty());                   // "$-$": relative indicators are skipped
    EXPECT_TRUE(kont(share, true).empty());             // 40.1 agrees with 40.00 within 0.1
    db.exec("update TBL set N5 = 41 where NTBL = 1 and \"ROW\" = '007'");
    EXPECT_EQ(kont(share, true).size(), 1u);
    EXPECT_TRUE(kont(share).empty());
}

TEST_F(Conditions, NoDataNoViolations) {
    EXPECT_TRUE(kont("12,1000,7,3=1", false, "010102").empty());
    EXPECT_TRUE(kont("12,1000,7,3=1", false, "010101", "+").empty());  // nothing consolidated
    EXPECT_TRUE(kont("12,1000,7,3=1", false, "010101").size() == 1u);
}

TEST_F(Conditions, OtherInstitutionsAndPlaceholders) {
    put("TBL", "010102", 2024, 7, 5, 2);
    // Five commas: year, institution (member code 0102), form, table, row, column.
    EXPECT_EQ(kont(",0102,12,1000,7,3>=12,1000,7,3"), std::vector<std::string>{"5.00 >= 210.00"});
    // "{}" in the column takes the row's number: row 4, column 4 is 16.
    EXPECT_TRUE(kont("12,1000,4,{}=16").empty());
}

TEST_F(Conditions, TextCellsCompareAsTexts) {
    db.exec("update TBL set C1 = 'да' where NTBL = 1 and \"ROW\" = '001'");
    EXPECT_TRUE(kont("12,1000,1,6='да'").empty());
    EXPECT_EQ(kont("12,1000,1,6='нет'").size(), 1u);
}

TEST_F(Conditions, UnreadableConditionsSayWhy) {
    EXPECT_EQ(kont("12,1000,7,3"), std::vector<std::string>{"Ошибка в условии: нет знака сравнения"});
    EXPECT_EQ(kont("12,1000,5:1,3>=0"), std::vector<std::string>{"Ошибка в условии: неверно записан цикл"});
    // A number without a condition row reports nothing.
    EXPECT_TRUE(db.rows("select * from KONT('one', '010101', 'I  ', '2024', '', '100', '00000777$-$')").empty());
}

TEST_F(Conditions, CalcFillsTotalsInEnteredData) {
    db.exec("update TBL set N3 = null where NTBL = 1 and \"ROW\" = '007'");
    db.exec("insert into POKAZC (A1, A2) values ('00000001', '12,1000,7,3=12,1000,1П6,3')");
    db.exec("execute procedure CALC('one', '010101', 'I  ', 2024, '', '100', '00000001$-$')");
    EXPECT_EQ(cell("TBL", "N3", "NTBL = 1 and \"ROW\" = '007'"), "210.00");
    // A cycle: column 5 of rows 1..7 is column 4 over column 3 in per cent.
    db.exec("insert into POKAZC (A1, A2) values ('00000002', '12,1000,1:7,5=12,1000,1:7,4/12,1000,1:7,3*100')");
    db.exec("execute procedure CALC('one', '010101', 'I  ', 2024, '', '100', '00000002$-$')");
    EXPECT_EQ(db.scalar("select count(*) from TBL where NTBL = 1 and N5 = 40 and GOD = 2024").toInt64(), 7);
    // Nothing is written for an institution without data.
    db.exec("execute procedure CALC('one', '010102', 'I  ', 2024, '', '100', '00000001$-$')");
    EXPECT_EQ(db.scalar("select count(*) from TBL where LPU = '010102'").toInt64(), 0);
}

TEST_F(Conditions, CalcFillsConsolidationsAndTheirScratchRows) {
    db.exec("insert into SVOD (NTBL, LPU, PERIOD, GOD, \"ROW\", N1) values (2, '011166', 'I', 2024, '001', 1)");
    db.exec("insert into TEMP (AUTOINC, NTBL, LPU, PERIOD, GOD, \"ROW\", N1) values (9, 2, '011166', 'I', 2024, '001', 1)");
    for (int r = 1; r <= 7; ++r)
        db.exec("insert into SVOD (NTBL, LPU, PERIOD, GOD, \"ROW\", N3) values (1, '011166', 'I', 2024, '00" +
                std::to_string(r) + "', " + std::to_string(r) + ")");
    db.exec("insert into POKAZC (A1, A2) values ('00000003', '12,2000,1,1=12,1000,1П7,3')");
    db.exec("execute procedure CALC('one', '011166', 'I  ', 2024, '+', '100', '00000003$-$')");
    EXPECT_EQ(cell("SVOD", "N1", "NTBL = 2"), "28.00");
    EXPECT_EQ(cell("TEMP", "N1", "NTBL = 2"), "28.00");
    db.exec("update SVOD set N3 = 2 where NTBL = 1 and \"ROW\" = '001'");
    db.exec("execute procedure CALC('some', '011166', 'I  ', 2024, '+', '100', '00000003$-$')");
    EXPECT_EQ(cell("SVOD", "N1", "NTBL = 2"), "29.00");
    EXPECT_EQ(cell("TEMP", "N1", "NTBL = 2"), "28.00");  // "some" leaves the scratch rows
}

TEST_F(Conditions, BadFormulasStopTheCalculation) {
    struct Case {
        const char* number;
        const char* text;
    } cases[] = {
        {"00000004", "12,1000,7,3>12,1000,1,3"},       // not an assignment
        {"00000005", "12,1000,7,3+12,1000,6,3=5"},     // two cells on the left
        {"00000006", "12,1000,7,3=12,5000,1,3"},       // no such table
    };
    for (const Case& c : cases) {
        db.exec(std::string("insert into POKAZC (A1, A2) values ('") + c.number + "', '" + c.text + "')");
        try {
            db.exec(std::string("execute procedure CALC('one', '010101', 'I  ', 2024, '', '100', '") + c.number +
                    "$-$')");
            ADD_FAILURE() << c.text;
        } catch (const fb::Error& e) {
            EXPECT_EQ(e.gdsCode(), 335544517) << e.what();
            EXPECT_NE(std::string(e.what()).find(std::string("Формула ") + c.number), std::string::npos) << e.what();
        }
    }
}

}  // namespace

