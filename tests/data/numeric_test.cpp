#include "fb/value.h"

#include <gtest/gtest.h>

using vexo::fb::Numeric;

TEST(Numeric, ParsesAndPrintsExactly) {
    struct Case {
        const char* text;
        int scale;
        bool ok;
        long long units;
        const char* printed;
    } cases[] = {
        {"12", 2, true, 1200, "12.00"},
        {"-3.5", 2, true, -350, "-3.50"},
        {"0,25", 2, true, 25, "0.25"},
        {" 7 ", 0, true, 7, "7"},
        {"0.10", 1, true, 1, "0.1"},
        {"1.234", 2, false, 0, ""},           // would lose a digit
        {"1.230", 2, true, 123, "1.23"},      // trailing zero is no loss
        {"9999999999999999.99", 2, true, 999999999999999999LL, "9999999999999999.99"},
        {"99999999999999999.99", 2, false, 0, ""},  // beyond 18 digits
        {"", 2, false, 0, ""},
        {"-", 2, false, 0, ""},
        {"1.2.3", 2, false, 0, ""},
        {"abc", 2, false, 0, ""},
        {"-0.01", 2, true, -1, "-0.01"},
    };
    for (const Case& c : cases) {
        Numeric n;
        EXPECT_EQ(Numeric::parse(c.text, c.scale, n), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(n.units, c.units) << c.text;
        EXPECT_EQ(n.toString(), c.printed) << c.text;
    }
}

TEST(Numeric, ComparesAcrossScales) {
    EXPECT_EQ((Numeric{150, 2}), (Numeric{15, 1}));
    EXPECT_FALSE((Numeric{151, 2}) == (Numeric{15, 1}));
}
