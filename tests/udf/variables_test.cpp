#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "core/variables.h"
#include "cp1251.h"

namespace vexo::udf {
namespace {

using test::cp1251;

TEST(UdfVars, SplitsConditionIntoVariables) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"", "$"},
        {"A=B", "A$B$"},
        {"(A)=(B)", "A$B$"},
        {"A;B", "A$B$"},
        {"-5+A", "$5$A$"},  // a sign before any comma always breaks
        {"0410100,1000,1,3=0410100,1000,2,3+0410100,1000,3,3",
         "0410100,1000,1,3$0410100,1000,2,3$0410100,1000,3,3$"},
        {"0410100,1000,1,3*100/0410100,1000,2,3", "0410100,1000,1,3$100$0410100,1000,2,3$"},
        {"A>=B", "A$$B$"},  // every sign character breaks, so a two-character sign leaves an empty item
        {cp1251("0410100,1000,1П5,3<0"), cp1251("0410100,1000,1П5,3$0$")},
    };
    for (const auto& c : cases) EXPECT_EQ(vars(c.text), c.expected) << c.text;
}

TEST(UdfVars, KeepsTermListsInsideVariable) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        // "+4" near the end, with no more references after it: a term list of the column field.
        {"0410100,1000,1,3+4", "0410100,1000,1,3+4$"},
        {"0410100,1000,1,3+4=5", "0410100,1000,1,3+4$5$"},
        // Signs before the last field never break.
        {"0410100,1000,1+2,3=0", "0410100,1000,1+2,3$0$"},
        // With more references after it the sign breaks, unless it stands in brackets.
        {"0410100,1000,1,3-4=0410100,1000,1,3", "0410100,1000,1,3$4$0410100,1000,1,3$"},
        {"0410100,1000,1,[3-4]=0410100,1000,1,3", "0410100,1000,1,[3-4]$0410100,1000,1,3$"},
        // Quoted text ahead ends the term list.
        {"0410100,1000,1,3+'x'", "0410100,1000,1,3$'x'$"},
        // After a 4-comma reference a 3-comma one does not reach the widest count, so its sign stays.
        {"2011,0410100,1000,1,3=0410100,1000,1,3-0410100,1000,2,3",
         "2011,0410100,1000,1,3$0410100,1000,1,3-0410100,1000,2,3$"},
    };
    for (const auto& c : cases) EXPECT_EQ(vars(c.text), c.expected) << c.text;
}

TEST(UdfVars, KeepsParenthesesOfRowPlaceholdersInWideReferences) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"2011,0001,0410100,1000,1,3=2011,0001,0410100,1000,vn(),3",
         "2011,0001,0410100,1000,1,3$2011,0001,0410100,1000,vn(),3$"},
        // Before any 5-comma reference has been seen the parentheses go.
        {"2011,0001,0410100,1000,vn(),3", "2011,0001,0410100,1000,vn,3$"},
    };
    for (const auto& c : cases) EXPECT_EQ(vars(c.text), c.expected) << c.text;
}

TEST(UdfVars, NumvarsAndGetvarWalkTheList) {
    EXPECT_EQ(numvars("A$B$"), 2);
    EXPECT_EQ(numvars(""), 0);
    EXPECT_EQ(numvars("$"), 1);
    EXPECT_EQ(numvars("A$B"), 1);

    struct Case {
        std::int32_t n;
        std::string expected;
    };
    const Case cases[] = {{1, "A"}, {2, "B"}, {3, ""}, {0, ""}, {-1, ""}, {INT_MAX, ""}, {INT_MIN, ""}};
    for (const auto& c : cases) EXPECT_EQ(getvar("A$B$", c.n), c.expected) << c.n;
}

}  // namespace
}  // namespace vexo::udf
