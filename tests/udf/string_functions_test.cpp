#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "core/string_functions.h"
#include "cp1251.h"

namespace vexo::udf {
namespace {

using test::cp1251;

TEST(UdfStringFunctions, StrlenCountsBytes) {
    EXPECT_EQ(udf::strlen(""), 0);
    EXPECT_EQ(udf::strlen("abc"), 3);
    EXPECT_EQ(udf::strlen(cp1251("Привет, мир")), 11);
}

TEST(UdfStringFunctions, SubstrTakesInclusiveRange) {
    struct Case {
        std::int32_t first, last;
        std::string expected;
    };
    const Case cases[] = {
        {2, 4, "BCD"}, {4, 2, ""},  {5, 99, "EF"}, {0, 3, ""},        {1, 1, "A"},
        {3, -1, ""},   {7, 9, ""},  {6, 6, "F"},   {1, INT_MAX, "ABCDEF"}, {INT_MIN, INT_MAX, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(substr("ABCDEF", c.first, c.last), c.expected) << c.first << ".." << c.last;
}

TEST(UdfStringFunctions, CodlpuPicksFourCharacterGroup) {
    struct Case {
        std::string text;
        std::int32_t n;
        std::string expected;
    };
    const Case cases[] = {
        {"00010002", 2, "0002"}, {"00010002", 3, ""},     {"00010002", 0, "0001"},
        {"00010002", 1, "0001"}, {"00010002", -7, "0001"}, {"000100020003", 3, "0003"},
        {"00010", 2, "0"},       {"00010002", INT_MAX, ""}, {"00010002", INT_MIN, "0001"},
    };
    for (const auto& c : cases) EXPECT_EQ(codlpu(c.text, c.n), c.expected) << c.text << " " << c.n;
}

TEST(UdfStringFunctions, RazdSplitsAtSignChosenByPriority) {
    struct Case {
        std::string condition;
        std::int32_t mode;
        std::string expected;
    };
    const Case cases[] = {
        {"A>=B", 0, ">="},
        {"A>=B", 1, "A"},
        {"A>=B", 2, "B"},
        {"A=B>C", 0, ">"},  // ">" outranks "=" although it stands later
        {"A=B>C", 1, "A=B"},
        {"A=B>C", 2, "C"},
        {"A=B<=C", 0, "<="},
        {"A<>B=C", 0, "<>"},
        {"A<>B=C", 2, "B=C"},
        {"A<B", 0, "<"},
        {"A;B", 0, ";"},
        {"A;B", 1, "A"},
        {"A;B", 2, "B"},
        {"A+B", 0, ""},
        {"A+B", 1, ""},
        {"A+B", 2, "A+B"},
        {">=B", 1, ""},
        {"A>=", 2, ""},
        {"", 2, ""},
        {"A+B", 7, "A+B"},
        {"A>=B", -2, "A>=B"},
    };
    for (const auto& c : cases) EXPECT_EQ(razd(c.condition, c.mode), c.expected) << c.condition << " mode " << c.mode;
}

TEST(UdfStringFunctions, RazdMode3MarksRelativeConditions) {
    struct Case {
        std::string condition, expected;
    };
    const Case cases[] = {
        {"A/B=C", "-"}, {"A+B=C", "+"}, {"A;B", "-"}, {"AXB>1", "-"},
        {cp1251("1Х2>1"), "-"},  // Cyrillic kha
        {"axb>1", "+"},          // only the capital letter counts
        {"", "+"},
    };
    for (const auto& c : cases) EXPECT_EQ(razd(c.condition, 3), c.expected) << c.condition;
}

TEST(UdfStringFunctions, RazdModeMinus1GivesWidestReference) {
    struct Case {
        std::string list, expected;
    };
    const Case cases[] = {
        {"0410100,1000,1,3$2011,0410100,1000,1,3$", "4"},
        {"0410100,1000,1,3$$2011,0001,0410100,1000,1,3$", "3"},  // stops at the first empty item
        {"$2011,0001,0410100,1000,1,3$", "0"},
        {"2011,0001,0410100,1000,1,3$5$", "5"},
        {"1,2,3", "0"},  // no "$": no item
        {"", "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(razd(c.list, -1), c.expected) << c.list;
}

TEST(UdfStringFunctions, ReformNormalisesFormula) {
    struct Case {
        std::string formula, expected;
    };
    const Case cases[] = {
        {"12 x 5", "12*5"},
        {cp1251("12х5"), "12*5"},  // Cyrillic kha, lower case
        {"a*b", "A"},              // no digit after the last "*"
        {"a*2*b", "A*2"},
        {"2*3", "2*3"},
        {"ab*", "AB"},
        {"a*b*", "A*B"},  // a trailing "*" is dropped and nothing else
        {"x", ""},
        {"1,2", "1,2"},
        {"0410,1", "10,1"},        // first comma at position 5
        {"abc,1", "C,1"},          // first comma at position 4
        {"0 4 1 0,1", "10,1"},     // blanks go before the comma is looked for
        {"1234,5*x", "34,5*"},
        {"12\r\n3", "12\n3"},
        {"a\tb", "A\tB"},  // only blanks are removed
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(reform(c.formula), c.expected) << c.formula;
}

TEST(UdfStringFunctions, MmMapsCodesAtTableBoundaries) {
    struct Case {
        std::string code, expected;
    };
    const Case cases[] = {
        {"1", "001"},   {"21", "021"},  {"22", "023"},  {"23", "024"},  {"24", "026"},  {"28", "030"},
        {"29", "033"},  {"31", "035"},  {"32", "042"},  {"59", "069"},  {"60", "071"},  {"61", "075"},
        {"62", "078"},  {"63", "080"},  {"66", "083"},  {"67", "086"},  {"69", "088"},  {"70", ""},
        {"999", ""},    {"0", "000"},   {"abc", "000"}, {"", "000"},    {"-1", "-001"}, {"+5", "005"},
        {"-2147483648", "-2147483648"}, {"99999999999", "000"},  // too large to be an integer
    };
    for (const auto& c : cases) EXPECT_EQ(mm(c.code), c.expected) << c.code;
}

TEST(UdfStringFunctions, VnMapsCodesAtTableBoundaries) {
    struct Case {
        std::string code, expected;
    };
    const Case cases[] = {
        {"1", "009"},   {"2", "010"},  {"3", "009"},  {"75", "009"}, {"76", "010"}, {"77", "010"},
        {"78", "010"},  {"79", "009"}, {"94", "010"}, {"95", "010"}, {"96", "009"}, {"101", "010"},
        {"102", "009"}, {"103", "010"}, {"104", "010"}, {"105", ""},   {"0", ""},     {"-3", ""},
        {"x", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(vn(c.code), c.expected) << c.code;
}

}  // namespace
}  // namespace vexo::udf
