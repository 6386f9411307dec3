#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/cycles.h"
#include "cp1251.h"

namespace vexo::udf {
namespace {

using test::cp1251;

TEST(UdfNumcycle, CountsCycleSteps) {
    struct Case {
        std::string variable;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"0410100,1000,1:5,3", 5},
        {"0410100,1000,1:3,2.4", 6},  // rows by columns
        {"0410100,1000,1,3", 1},
        {"0410100,1000,.1,3", 0},     // no element before the first "."
        {"0410100,1000,1.,3", 1},
        {"0410100,1000,5:1,3", 0},
        {"0410100,1000,1.3.5:8,3", 6},
        {"0410100,1000,1:3.7,3", 4},
        {"0410100,1000,1,3.5:7", 4},  // column cycle only
        {"0410100,1000,[1:3],3", 3},  // brackets are ignored
        {"0410100,1000,1:3a,3", 0},
        {"0410100,1000,1:,3", 0},
        {"2011,0001,0410100,1000,1:2,3:4", 4},  // the last two fields, whatever the width
        {"0410100,1000,1,", 0},
        {"abc", 1},
        {"a,b", 1},
        {"", 0},
        {"0410100,1000,1:99999999999,3", 0},                   // bound too large
        {"0410100,1000,1:2147483647,1:2147483647", 0},         // more steps than an INTEGER holds
    };
    for (const auto& c : cases) EXPECT_EQ(numcycle(c.variable), c.expected) << c.variable;
}

TEST(UdfNumvarcycle, CountsTerms) {
    struct Case {
        std::string variable;
        std::int32_t expected;
    };
    const Case cases[] = {
        {cp1251("0410100,1000,1+2+5П7,3"), 5},
        {"0410100,1000,1,3+4", 2},
        {"'quoted text'", 1},
        {"2.5", 1},
        {"-2.5", 1},
        {"7", 1},
        {"0410100,1000,+1,3", 0},
        {"0410100,1000,1,3", 1},
        {"0410100,1000,1,", 0},
        {"", 0},
        {"2011,0001+0002+0003,0410100,1000,1,3", 3},  // institution term list
        {"2011,0001,0410100,1000,1,3", 1},
        {cp1251("0410100,1000,1,3Н5"), 3},
        {"0410100,1000,1-2,3+4+5", 2},  // the row field is looked at first
        {"0001+0002", 2},
        {"0410100,1000,1+,3", 1},
        {"0410100,1000,[1+2],3", 2},
        {"0410100,1000,1+a,3", 0},
        {cp1251("0410100,1000,5П3,3"), 0},
        {cp1251("0410100,1000,П3,3"), 0},
        {cp1251("0410100,1000,1П2147483647+1П2147483647,3"), 0},  // more terms than an INTEGER holds
    };
    for (const auto& c : cases) EXPECT_EQ(numvarcycle(c.variable), c.expected) << c.variable;
}

}  // namespace
}  // namespace vexo::udf
