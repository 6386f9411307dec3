#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/text.h"
#include "core/upper_case.h"
#include "cp1251.h"

namespace vexo::udf {
namespace {

using test::cp1251;

TEST(UdfTextHelpers, SubstringClampsStartAndCount) {
    struct Case {
        std::string s;
        std::int64_t start, count;
        std::string expected;
    };
    const Case cases[] = {
        {"ABCDEF", 2, 3, "BCD"},
        {"ABCDEF", 0, 3, "ABC"},   // start below 1 becomes 1, count stays
        {"ABCDEF", -5, 2, "AB"},
        {"ABCDEF", 6, 10, "F"},    // count cut at the end
        {"ABCDEF", 7, 1, ""},      // start past the end
        {"ABCDEF", 2, -1, ""},     // negative count
        {"ABCDEF", 2, 0, ""},
        {"", 1, 1, ""},
        {"ABCDEF", INT64_MIN, INT64_MAX, "ABCDEF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(substring(c.s, c.start, c.count), c.expected) << c.s << " " << c.start << " " << c.count;
    }
}

TEST(UdfTextHelpers, DeleteCharsIgnoresStartOutsideText) {
    struct Case {
        std::string s;
        std::int64_t start, count;
        std::string expected;
    };
    const Case cases[] = {
        {"ABCDEF", 2, 2, "ADEF"},
        {"ABCDEF", 5, 10, "ABCD"},
        {"ABCDEF", 0, 2, "ABCDEF"},
        {"ABCDEF", 7, 1, "ABCDEF"},
        {"ABCDEF", 1, 0, "ABCDEF"},
        {"ABCDEF", 1, -3, "ABCDEF"},
        {"", 1, 1, ""},
    };
    for (const auto& c : cases) {
        std::string s = c.s;
        delete_chars(s, c.start, c.count);
        EXPECT_EQ(s, c.expected) << c.s << " " << c.start << " " << c.count;
    }
}

TEST(UdfTextHelpers, SearchFunctions) {
    struct Case {
        const char* what;
        std::int64_t actual, expected;
    };
    const Case cases[] = {
        {"find first", find_from(",", "a,b,c", 1), 2},
        {"find after a hit", find_from(",", "a,b,c", 3), 4},
        {"find on the hit itself", find_from(",", "a,b,c", 4), 4},
        {"find past the last", find_from(",", "a,b,c", 5), 0},
        {"find from below 1", find_from(",", "a,b,c", -7), 2},
        {"empty pattern", find_from("", "abc", 1), 0},
        {"pattern at the end", find_from("bc", "abc", 2), 2},
        {"start beyond the last fit", find_from("bc", "abc", 3), 0},
        {"pattern longer than text", find_from("abcd", "abc", 1), 0},
        {"count overlapping", count_from("aa", "aaaa", 1), 3},
        {"count from a position", count_from(",", "a,b,c", 3), 1},
        {"count in empty", count_from("$", "", 1), 0},
        {"nth 2", nth_pos(",", "a,b,c", 2), 4},
        {"nth past the last", nth_pos(",", "a,b,c", 3), 0},
        {"nth 0", nth_pos(",", "a,b,c", 0), 0},
        {"back 1", nth_pos_back(",", "a,b,c", 1), 4},
        {"back 2", nth_pos_back(",", "a,b,c", 2), 2},
        {"back past the first", nth_pos_back(",", "a,b,c", 3), 0},
        {"back 0", nth_pos_back(",", "a,b,c", 0), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST(UdfTextHelpers, ListItem) {
    struct Case {
        std::string list;
        std::int64_t n;
        std::string expected;
    };
    const Case cases[] = {
        {"A$B$C$", 1, "A"},
        {"A$B$C$", 3, "C"},
        {"A$B$C$", 4, ""},
        {"A$B$C$", 0, ""},
        {"A$B$C$", -1, ""},
        {"A$$C$", 2, ""},
        {"A$B", 2, ""},  // text after the last "$" is no item
        {"", 1, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(list_item(c.list, c.n), c.expected) << c.list << " " << c.n;
}

TEST(UdfTextHelpers, UpperCaseFollowsCodePage1251) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"abz", "ABZ"},
        {"a1+b,{x}", "A1+B,{X}"},
        {cp1251("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"), cp1251("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")},
        {cp1251("АБВЁЯ"), cp1251("АБВЁЯ")},
        // Serbian, Macedonian, Ukrainian and Belarusian letters of the code page.
        {"\x90\x83\x9A\x9C\x9D\x9E\x9F\xA2\xBC\xB4\xBA\xBF\xB3\xBE", "\x80\x81\x8A\x8C\x8D\x8E\x8F\xA1\xA3\xA5\xAA\xAF\xB2\xBD"},
        {"\xB5\xB9\xAB\xBB", "\xB5\xB9\xAB\xBB"},  // micro sign, numero, quotes: no case
    };
    for (const auto& c : cases) EXPECT_EQ(upper_case(c.text), c.expected);
}

}  // namespace
}  // namespace vexo::udf
