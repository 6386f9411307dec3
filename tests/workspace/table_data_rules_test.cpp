// The rules behind the data of a table: the data filter and the statements
// of select, fill and delete, period codes and the periods a theme refuses,
// the number added to a cell.
#include "workspace/cell_addition.h"
#include "workspace/period_rules.h"
#include "workspace/table_data_sql.h"

#include <gtest/gtest.h>

using namespace vexo;
using namespace vexo::workspace;

TEST(DataFilter, EachCheckBoxAddsItsPart) {
    struct Case {
        std::optional<QString> period;
        std::optional<QString> territory;
        const char* expected;
    };
    const Case cases[] = {
        {"I  ", "010101", "Ntbl=12 and period='I  ' and tbl.god=2024 and lpu='010101'"},
        {"год", std::nullopt, "Ntbl=12 and period='год' and tbl.god=2024"},
        {std::nullopt, "010101", "Ntbl=12 and lpu='010101'"},
        {std::nullopt, std::nullopt, "Ntbl=12"},
        // A code with an apostrophe cannot end the literal.
        {std::nullopt, "01'01", "Ntbl=12 and lpu='01''01'"},
    };
    for (const Case& c : cases) EXPECT_EQ(dataFilter({12, c.period, 2024, c.territory}), QString::fromUtf8(c.expected));
}

TEST(DataFilter, PeriodCodeOfTheFirstNameThatBeginsWithTheChoice) {
    const std::vector<std::pair<QString, QString>> periods = {
        {"I", "I квартал"}, {"II", "II квартал"}, {"Iп", "I полугодие"}, {"год", "Весь год"}, {"01", "Январь"},
        {"102", "Январь - февраль"}};
    EXPECT_EQ(filterPeriodCode(periods, "I квартал"), "I  ");
    EXPECT_EQ(filterPeriodCode(periods, "II квартал"), "II ");
    EXPECT_EQ(filterPeriodCode(periods, "Весь год"), "год");
    EXPECT_EQ(filterPeriodCode(periods, "Январь"), "01 ");  // the first that begins so
    EXPECT_EQ(filterPeriodCode(periods, "I"), "I  ");
    EXPECT_EQ(filterPeriodCode(periods, "Ноябрь"), "   ");
}

TEST(DataStatements, SelectFillAndDelete) {
    const QString filter = "Ntbl=400 and period='год' and tbl.god=2024 and lpu='010101'";
    EXPECT_EQ(selectStatement(filter, 400, {true, 2019, false, {}}),
              "select * from tbl, \"ROWS\" where " + filter +
                  " and tbl.\"ROW\"=\"ROWS\".a  and tbl=400  and \"ROWS\".god=2019 order by \"ROWS\".item");
    EXPECT_EQ(selectStatement("Ntbl=1", 1, {true, std::nullopt, false, {}}),
              "select * from tbl, \"ROWS\" where Ntbl=1 and tbl.\"ROW\"=\"ROWS\".a  and tbl=1 order by \"ROWS\".item");
    // A list table sorts by ORDERSP; other free tables and an empty ORDERSP do not.
    EXPECT_EQ(selectStatement("Ntbl=3", 3, {false, std::nullopt, true, "c1, n1"}),
              "select * from tbl where Ntbl=3 order by c1, n1");
    EXPECT_EQ(selectStatement("Ntbl=3", 3, {false, std::nullopt, true, " "}), "select * from tbl where Ntbl=3");
    EXPECT_EQ(selectStatement("Ntbl=2", 2, {false, std::nullopt, false, "c1"}), "select * from tbl where Ntbl=2");

    EXPECT_EQ(fillStatement(400, "год", 2024, "010101", " and god=2019"),
              "insert into tbl (ntbl,period,god,lpu,\"ROW\" )select 400,'год',2024,'010101',a from \"ROWS\" where  "
              "tbl=400 and god=2019 and (item is not null)");
    EXPECT_EQ(fillStatement(1, "I", 2024, "01'1", ""),
              "insert into tbl (ntbl,period,god,lpu,\"ROW\" )select 1,'I',2024,'01''1',a from \"ROWS\" where  tbl=1 "
              "and (item is not null)");
    EXPECT_EQ(deleteStatement("Ntbl=1"), "delete from tbl where Ntbl=1");
}

TEST(PeriodCodes, NewRowTakesTheCodeOfTheSelectedName) {
    const std::pair<const char*, const char*> cases[] = {
        {"I квартал", "I"},     {"За 3 месяца", "I"},    {"II квартал", "II"},  {"За 6 месяцев", "II"},
        {"III квартал", "III"}, {"За 9 месяцев", "III"}, {"IV квартал", "IV"},  {"За 12 месяцев", "IV"},
        {"Весь год", "год"},    {"I полугодие", "Iп"},   {"II полугодие", "IIп"}, {"Январь", "01"},
        {"Сентябрь", "09"},     {"Декабрь", "12"},       {"Январь - март", ""},  {"", ""},
    };
    for (const auto& [name, code] : cases)
        EXPECT_EQ(newRowPeriodCode(QString::fromUtf8(name)), QString::fromUtf8(code)) << name;
}

TEST(PeriodCodes, PeriodsEachPeriodicityRefuses) {
    struct Case {
        const char* periodicity;
        const char* code;
        bool refused;
    };
    const Case cases[] = {
        {"кв", "I", false},    {"кв", "IV", false},  {"кв", "Iп", true},   {"кв", "год", true},
        {"кв", "102", true},   {"кв", "01", false},  {"пг", "Iп", false},  {"пг", "IIп", false},
        {"пг", "II", true},    {"пг", "год", true},  {"пг", "111", true},  {"мс", "05", false},
        {"мс", "104", false},  {"мс", "III", true},  {"мс", "IIп", true},  {"мс", "год", true},
        {"гд", "год", false},  {"гд", "I", true},    {"гд", "Iп", true},   {"гд", "110", true},
        {"гд", "год  ", false}, {"??", "I", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(periodRefused(QString::fromUtf8(c.periodicity), QString::fromUtf8(c.code)), c.refused)
            << c.periodicity << " " << c.code;
}

TEST(CellAddition, TypedNumbersAndSums) {
    const std::pair<const char*, std::optional<std::string>> typed[] = {
        {"12", "12"},     {" -3,5 ", "-3.5"}, {"0.25", "0.25"}, {"+7", "7"},   {"0", "0"},
        {"abc", std::nullopt}, {"", std::nullopt}, {"1.2.3", std::nullopt}, {"1e3", std::nullopt},
    };
    for (const auto& [text, expected] : typed) {
        const std::optional<fb::Numeric> n = parseAddend(QString::fromUtf8(text));
        ASSERT_EQ(n.has_value(), expected.has_value()) << text;
        if (n) {
            EXPECT_EQ(n->toString(), *expected) << text;
        }
    }
    const fb::Numeric half{5, 1};
    EXPECT_EQ(addToValue(fb::Numeric{1000, 2}, half, 2)->toString(), "10.50");
    EXPECT_EQ(addToValue(fb::Null{}, half, 2)->toString(), "0.50");  // an empty cell counts as 0
    EXPECT_EQ(addToValue(fb::Numeric{1000, 2}, fb::Numeric{-1234, 3}, 2)->toString(), "8.77");  // rounded to the field
    EXPECT_FALSE(addToValue(fb::Numeric{9223372036854775000, 2}, fb::Numeric{1000, 0}, 2).has_value());
}
