#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "core/coord.h"
#include "core/failure.h"
#include "cp1251.h"

namespace vexo::udf {
namespace {

using test::cp1251;

struct CoordCase {
    std::string variable;
    std::string component;
    std::int32_t p, q;
    std::string expected;
};

void expect_coord(const CoordCase& c) {
    EXPECT_EQ(coord(c.variable, c.component, c.p, c.q), c.expected)
        << c.variable << " " << c.component << " p=" << c.p << " q=" << c.q;
}

TEST(UdfCoord, ComponentsOfSingleCell) {
    const CoordCase cases[] = {
        {"41,1000,7,3", "form", 1, 1, "0410100"},
        {"41,1000,7,3", "tbl", 1, 1, "001000"},
        {"41,1000,7,3", "row", 1, 1, "7"},  // a plain integer is returned as written
        {"41,1000,007,3", "row", 1, 1, "007"},
        {"41,1000,7,03", "col", 1, 1, "3"},  // columns lose their leading zeros
        {"41,1000,7,3", "znak", 1, 1, "+"},
        {"41,1000,7,3", "god", 2011, 1, ""},  // no year field at three commas
        {"41,1000,7,3", "lpu", 1, 1, ""},
        {"2011,0001,41,1000,7,3", "lpu", 1, 1, "0001"},
        {"2011,0001,41,1000,7,3", "tbl", 1, 1, "001000"},
        {"2011,0001,41,1000,7,3", "col", 1, 1, "3"},
        {"2011,41,1000,7,3", "form", 1, 1, "0410100"},
        {"2011,41,1000,7,3", "row", 1, 1, "7"},
        {"41,1000,,3", "row", 1, 1, ""},
        {"41,1000,vn(),3", "row", 1, 1, "vn()"},
        {"41,1000,mm(),3", "row", 1, 1, "mm()"},
        {"41,1000,7,{}", "col", 1, 1, "{}"},
        {"2011,{},41,1000,7,3", "lpu", 1, 1, "{}"},
        {"41,1000,7,3", "zzz", 1, 1, ""},
        {"41,1000,7,3", "ROW", 1, 1, ""},
        {"1,2", "row", 1, 1, ""},
        {"1,2,3", "col", 1, 1, ""},
        {"1,2", "znak", 1, 1, "+"},
        {"1,2,3,4,5,6,7", "row", 1, 1, ""},
    };
    for (const auto& c : cases) expect_coord(c);
}

TEST(UdfCoord, FormAndTableCodes) {
    const CoordCase cases[] = {
        {"54,1,1,1", "form", 1, 1, "0540100"},
        {"01041,1,1,1", "form", 1, 1, "0410100"},  // five characters: "01041" -> "041" "01" "00"
        {"12345,1,1,1", "form", 1, 1, "3451200"},
        {"7,1,1,1", "form", 1, 1, "0070000"},
        {"abc,1,1,1", "form", 1, 1, "0000000"},
        {",1,1,1", "form", 1, 1, ""},
        // A seven-digit field gets four zeros appended and no longer fits 32 bits.
        {"0410100,1,1,1", "form", 1, 1, "0000000"},
        {"1,abc,1,1", "tbl", 1, 1, "000000"},
        {"1,99999999999,1,1", "tbl", 1, 1, "000000"},
        {"1,,1,1", "tbl", 1, 1, ""},
        {"1,1234567,1,1", "tbl", 1, 1, "1234567"},
    };
    for (const auto& c : cases) expect_coord(c);
}

TEST(UdfCoord, YearRule) {
    const CoordCase cases[] = {
        {"100,0001,41,1000,1,3", "god", 2011, 1, "2010"},
        {"900,0001,41,1000,1,3", "god", 2011, 1, "2002"},
        {"100,41,1000,1,3", "god", 2011, 1, "100"},  // "years back" only at five commas
        {"150,0001,41,1000,1,3", "god", 2011, 1, "150"},
        {"000,0001,41,1000,1,3", "god", 2011, 1, "000"},
        {"09,41,1000,1,3", "god", 2011, 1, "2009"},
        {"95,41,1000,1,3", "god", 2011, 1, "1995"},
        {"85,41,1000,1,3", "god", 2011, 1, "1985"},
        {"5,41,1000,1,3", "god", 2011, 1, "5"},
        {",41,1000,1,3", "god", 2011, 1, "2011"},
        {"2007,41,1000,1,3", "god", 2011, 1, "2011"},  // four characters and more: the current year
        {"100,0001,41,1000,1,3", "god", INT_MIN, 1, "-2147483649"},
    };
    for (const auto& c : cases) expect_coord(c);
}

TEST(UdfCoord, CycleSteps) {
    const CoordCase cases[] = {
        {"0410100,1000,1:5,3", "row", 2, 1, "002"},
        {"0410100,1000,1:5,3", "col", 2, 1, "3"},
        {"41,1000,1.3.5:8,1", "row", 4, 1, "006"},  // 1, 3, 5, 6, 7, 8
        {"41,1000,1:3,3", "row", 5, 1, "003"},      // past the end: the last element
        {"41,1000,1,3.4", "col", 2, 1, "4"},
        {"41,1000,1,3:3", "col", 1, 1, "3"},
        {"2011,0001.0005,41,1000,1,3", "lpu", 2, 1, "0005"},
        // Rows by columns: the columns of the first row, then those of the second.
        {"0410100,1000,1.2,3.4", "row", 1, 1, "001"},
        {"0410100,1000,1.2,3.4", "row", 2, 1, "001"},
        {"0410100,1000,1.2,3.4", "row", 3, 1, "002"},
        {"0410100,1000,1.2,3.4", "row", 4, 1, "002"},
        {"0410100,1000,1.2,3.4", "col", 1, 1, "3"},
        {"0410100,1000,1.2,3.4", "col", 2, 1, "4"},
        {"0410100,1000,1.2,3.4", "col", 3, 1, "3"},
        {"0410100,1000,1.2,3.4", "col", 4, 1, "4"},
        {"41,1000,1.2,3:3", "row", 2, 1, "002"},  // a one-column cycle does not split the steps
    };
    for (const auto& c : cases) expect_coord(c);
}

TEST(UdfCoord, TermLists) {
    const CoordCase cases[] = {
        {"0410100,1000,1,3-4", "znak", 1, 2, "-"},
        {"0410100,1000,1,3-4", "col", 1, 2, "4"},
        {"0410100,1000,1,3-4", "znak", 1, 1, "+"},
        {"0410100,1000,1,3-4", "col", 1, 1, "3"},
        {cp1251("41,1000,1П3,5"), "row", 1, 2, "002"},
        {cp1251("41,1000,1+5П7,3"), "row", 1, 3, "006"},
        {cp1251("41,1000,1+5П7,3"), "znak", 1, 3, "+"},
        {cp1251("41,1000,1-5П7,3"), "znak", 1, 3, "-"},  // a range keeps the sign before it
        {cp1251("41,1000,1-5П7,3"), "row", 1, 4, "007"},
        {"41,1000,2*3,4", "znak", 1, 2, "*"},
        {"41,1000,2/3,4", "znak", 1, 2, "/"},
        {"41,1000,1.2+3,4", "row", 1, 3, "003"},  // the term number wins over the cycle step
        {"41,1000,[1+2],4", "row", 1, 2, "002"},
        {"2011,0001-0002,41,1000,1,3", "znak", 1, 2, "-"},  // the institution field at five commas
        {"2011,0001-0002,41,1000,1,3", "lpu", 1, 2, "0002"},
        {"41,1000,-5,3", "row", 1, 1, "-5"},  // a signed integer counts as a single value
    };
    for (const auto& c : cases) expect_coord(c);
}

TEST(UdfCoord, ReferencesWithoutCommas) {
    const CoordCase cases[] = {
        {"0001+0002", "lpu", 1, 2, "0002"},
        {"0001+0002", "znak", 1, 2, "+"},
        {"0001-0002", "znak", 1, 2, "-"},
        {"0001+0002", "row", 1, 2, ""},
        {cp1251("1П3"), "row", 1, 2, "002"},
        {cp1251("1П3"), "znak", 1, 2, "+"},
        {cp1251("3Н5"), "col", 1, 3, "5"},
        {cp1251("3Н5"), "row", 1, 3, ""},
        {"'Hello'", "tbl", 1, 1, "Hello"},
        {"'Hello'", "row", 1, 1, ""},
        {"'Hello'", "znak", 1, 1, ""},
        {"25", "tbl", 1, 1, "25"},
        {"25", "form", 1, 1, ""},
        {"'", "tbl", 1, 1, ""},
        {"", "tbl", 1, 1, ""},
    };
    for (const auto& c : cases) expect_coord(c);
}

TEST(UdfCoord, FieldsWithoutNotationDeliverTheirFirstElement) {
    const CoordCase cases[] = {
        {"41,1000,A5,3", "row", 3, 3, "005"},
        {"41,1000,[7],3", "row", 2, 2, "007"},
        {"41,1000,[7],3", "znak", 1, 1, "+"},
        {"2011,.,41,1000,1,3", "lpu", 1, 1, ""},  // an empty code is just empty text
        {"41,1000,.,3", "znak", 1, 1, "+"},
    };
    for (const auto& c : cases) expect_coord(c);
}

TEST(UdfCoord, FailsWhenAnElementHasNoInteger) {
    const CoordCase cases[] = {
        {"41,1000,.,3", "row", 1, 1, ""},                 // only "."
        {"41,1000,1,.", "col", 1, 1, ""},
        {"41,1000,:5,3", "row", 1, 1, ""},                // range without a lower bound
        {"41,1000,1:.,3", "row", 1, 1, ""},               // ... without an upper bound
        {cp1251("41,1000,1П+2,3"), "row", 1, 1, ""},
        {cp1251("0410100,1000,П5,3"), "row", 1, 1, ""},
        {cp1251("41,1000,1+П5,3"), "znak", 1, 2, ""},
        {"41,1000,99999999999.1,3", "row", 1, 1, ""},     // more than 32 bits
        {"41,1000,1:99999999999,3", "row", 1, 1, ""},
        {"2011,1:.,41,1000,1,3", "lpu", 1, 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(coord(c.variable, c.component, c.p, c.q), Failure)
            << c.variable << " " << c.component << " p=" << c.p << " q=" << c.q;
    }
}

}  // namespace
}  // namespace vexo::udf
