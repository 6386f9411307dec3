// The small rules a table's grid is built by.
#include "column_caption.h"
#include "metadata_year.h"
#include "number_format.h"
#include "screen_layout.h"
#include "startup/user_rights.h"

#include <gtest/gtest.h>

using namespace vexo;
using grid::metadataYear;

namespace {

struct YearCase {
    int table, year;
    std::optional<int> god;
};

class MetadataYearRule : public testing::TestWithParam<YearCase> {};

TEST_P(MetadataYearRule, ChoosesTheDescriptionYear) {
    const YearCase& c = GetParam();
    EXPECT_EQ(metadataYear(c.table, c.year), c.god) << "table " << c.table << " in " << c.year;
    EXPECT_EQ(grid::metadataYearCondition(c.table, c.year),
              c.god ? " and god=" + QString::number(*c.god) : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, MetadataYearRule,
    testing::Values(YearCase{420, 2010, 2010}, YearCase{420, 2007, 2007}, YearCase{420, 2005, 2007},
                    YearCase{420, 2008, 2008}, YearCase{420, 2011, 2011}, YearCase{420, 2012, 2012},
                    YearCase{400, 2009, 2009}, YearCase{399, 2010, std::nullopt},  // 399 is not above 399
                    YearCase{360, 2012, std::nullopt}, YearCase{360, 2011, std::nullopt},
                    YearCase{360, 2013, 2013}, YearCase{360, 2014, 2014}, YearCase{360, 2019, 2019},
                    YearCase{360, 2025, 2019}, YearCase{420, 2016, 2016}, YearCase{350, 2013, 2013},
                    YearCase{349, 2014, std::nullopt}, YearCase{200, 2016, std::nullopt},
                    YearCase{200, 2005, std::nullopt}));

TEST(ColumnCaption, SplitsTitleWidthAndLevels) {
    struct Case {
        QString rus, title;
        std::optional<int> width;
        int levels;
    };
    const Case cases[] = {
        {"Период=60", "Период", 60, 1},
        {"Учреждение", "Учреждение", std::nullopt, 1},
        {"Год=abc", "Год", std::nullopt, 1},  // an invalid number leaves the width alone
        {"Год=", "Год", std::nullopt, 1},
        {"Число коек|на конец года|всего=70", "Число коек|на конец года|всего", 70, 3},
        {"Всего| =45 ", "Всего| ", 45, 2},
    };
    for (const Case& c : cases) {
        const grid::ColumnCaption caption = grid::ColumnCaption::parse(c.rus);
        EXPECT_EQ(caption.title, c.title) << c.rus.toStdString();
        EXPECT_EQ(caption.width, c.width) << c.rus.toStdString();
        EXPECT_EQ(caption.levels().size(), c.levels) << c.rus.toStdString();
    }
}

fb::Numeric num(std::int64_t units, int scale) { return fb::Numeric{units, scale}; }

TEST(NumberFormat, DecimalsZeroEmptyAndMinus) {
    struct Case {
        fb::Numeric value;
        int decimals;
        QString shown;
    };
    const Case cases[] = {
        {num(0, 2), 2, ""},          {num(-150, 2), 2, "-1.50"},  {num(150, 2), 2, "1.50"},
        {num(12345, 3), 2, "12.35"}, {num(-12345, 3), 2, "-12.35"}, {num(250, 2), 0, "3"},
        {num(-250, 2), 0, "-3"},     {num(7, 0), 3, "7.000"},    {num(5, 2), 1, "0.1"},
        {num(-4, 3), 2, "0.00"},  // not zero, so not empty; no minus before a rounded zero
        {num(123456789012345678, 2), 2, "1234567890123456.78"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid::formatNumber(c.value, c.decimals), c.shown)
            << c.value.toString() << " with " << c.decimals << " places";
    EXPECT_EQ(grid::formatNumber(QVariant(), 2), "");
    EXPECT_EQ(grid::formatNumber(QVariant::fromValue(num(-150, 2)), 2), "-1.50");
}

TEST(NumberFormat, DecimalPlacesFromMetadata) {
    EXPECT_EQ(grid::decimalPlaces(""), 0);
    EXPECT_EQ(grid::decimalPlaces("2"), 2);
    EXPECT_EQ(grid::decimalPlaces("x"), 0);
}

TEST(ScreenLayout, FrozenColumnsFollowHiddenColumns) {
    struct Case {
        QString align;
        bool showPerLpu, showNstr;
        int frozen;
    };
    const Case cases[] = {
        {"3", false, false, 0},  // 3 - 3 - 1 stays at 0
        {"5", true, true, 5},    {"5", false, true, 2}, {"5", true, false, 4}, {"5", false, false, 1},
        {"", true, true, 0},     {"x", true, true, 0},
    };
    for (const Case& c : cases) {
        const grid::ScreenLayout l = grid::ScreenLayout::of(c.align, "9", 1280, c.showPerLpu, c.showNstr);
        EXPECT_FALSE(l.fitToWindow);
        EXPECT_EQ(l.frozenColumns, c.frozen) << c.align.toStdString() << c.showPerLpu << c.showNstr;
    }
}

TEST(ScreenLayout, ScreenWidthChoosesTheSetting) {
    EXPECT_TRUE(grid::ScreenLayout::of("+", "2", 1024, true, true).fitToWindow);
    const grid::ScreenLayout narrow = grid::ScreenLayout::of("+", "2", 1023, true, true);
    EXPECT_FALSE(narrow.fitToWindow);
    EXPECT_EQ(narrow.frozenColumns, 2);
    EXPECT_TRUE(grid::ScreenLayout::of("4", "+", 800, true, true).fitToWindow);
}

TEST(UserRights, ListsHoldWholeNumbersOnly) {
    struct Case {
        QString list;
        int table;
        bool has;
    };
    const Case cases[] = {
        {"101;102;", 10, false}, {"101;102;", 101, true}, {"1;10;", 10, true}, {"10", 10, true},
        {"", 10, false},         {"110;", 1, false},      {" 10 ;", 10, true}, {";;", 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startup::rightsListHas(c.list, QString::number(c.table)), c.has)
            << c.list.toStdString() << " / " << c.table;
}

TEST(UserRights, FlagsAndPasswordSystem) {
    startup::UserRights r;
    r.userName = "oper";
    r.seeAll = false;
    r.editAll = false;
    r.visibleList = "101;102;";
    r.editableList = "101;";
    EXPECT_FALSE(r.mayView("10"));
    EXPECT_TRUE(r.mayView("102"));
    EXPECT_FALSE(r.mayEdit("102"));
    r.editAll = true;
    EXPECT_TRUE(r.mayEdit("102"));
    r.setPasswordsOff();  // passwords off: everything goes
    EXPECT_TRUE(r.mayView("10"));
}

}  // namespace
