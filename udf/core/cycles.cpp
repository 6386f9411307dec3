#include "core/cycles.h"

#include <limits>
#include <string>

#include "core/cell_reference.h"
#include "core/digit_run.h"
#include "core/numbers.h"
#include "core/text.h"

namespace vexo::udf {
namespace {

// Counts beyond the INTEGER result range are treated like any other malformed list.
std::int32_t to_count(std::int64_t count) {
    return count >= 0 && count <= std::numeric_limits<std::int32_t>::max() ? static_cast<std::int32_t>(count) : 0;
}

// Adds the elements of the range number..upper to count and clears both;
// false when a bound is missing or the range runs backwards.
bool add_range(std::string& number, std::string& upper, std::int64_t& count) {
    const auto low = read_int32(number);
    const auto high = read_int32(upper);
    if (!low || !high || *high < *low) return false;
    count += std::int64_t{*high} - *low + 1;
    number.clear();
    upper.clear();
    return true;
}

bool is_term_sign(char ch) { return ch == '*' || ch == '+' || ch == '-' || ch == '/'; }

// Number of terms of a term list such as "1+2+5П7" (5); 0 when the list is malformed.
std::int64_t term_count(std::string_view t) {
    std::int64_t count = 0;
    std::string number;
    std::string upper;
    std::int64_t i = 1;
    while (i <= length(t)) {
        if (is_digit(char_at(t, i))) i = append_digit_run(t, i, number);
        if (is_term_sign(char_at(t, i))) {
            ++i;
            if (number.empty()) return 0;
            ++count;
            number.clear();
        }
        if (char_at(t, i) == kCyrillicPe || char_at(t, i) == kCyrillicEn) {
            ++i;
            i = append_digit_run(t, i, upper);
            if (!add_range(number, upper, count)) return 0;
            if (is_term_sign(char_at(t, i))) ++i;
        }
        const char ch = char_at(t, i);
        if (is_term_sign(ch) || is_digit(ch) || ch == kCyrillicPe || ch == kCyrillicEn) continue;
        if (ch == '[' || ch == ']' || i > length(t)) {
            ++i;
            continue;
        }
        return 0;
    }
    return number.empty() ? count : count + 1;
}

}  // namespace

std::int64_t cycle_len(std::string_view text) {
    std::int64_t count = 0;
    std::string number;
    std::string upper;
    std::int64_t i = 1;
    for (;;) {
        if (i > length(text)) return number.empty() ? count : count + 1;
        if (is_digit(char_at(text, i))) i = append_digit_run(text, i, number);
        if (char_at(text, i) == '.') {
            ++i;
            if (number.empty()) return 0;
            ++count;
            number.clear();
        }
        if (char_at(text, i) == ':') {
            ++i;
            i = append_digit_run(text, i, upper);
            if (!add_range(number, upper, count)) return 0;
            if (char_at(text, i) == '.') ++i;
        }
        const char ch = char_at(text, i);
        if (ch == '.' || (ch >= '0' && ch <= ':')) continue;
        if (ch == '[' || ch == ']' || i > length(text)) {
            ++i;
            continue;
        }
        return 0;
    }
}

std::int32_t numcycle(std::string_view variable) {
    const std::int64_t a = nth_pos_back(",", variable, 2);
    if (a == 0) return variable.empty() ? 0 : 1;
    // The last two fields, whatever the width of the reference.
    const std::string_view tail = variable.substr(static_cast<std::size_t>(a));
    const std::size_t comma = tail.find(',');
    const std::string_view row = tail.substr(0, comma);
    const std::string_view col = tail.substr(comma + 1);
    const bool row_cycles = contains_any(row, kCycleMarks);
    const bool col_cycles = contains_any(col, kCycleMarks);
    if (row_cycles) {
        std::int64_t steps = 0;
        if (__builtin_mul_overflow(cycle_len(row), col_cycles ? cycle_len(col) : 1, &steps)) return 0;
        return to_count(steps);
    }
    if (col_cycles) return to_count(cycle_len(col));
    return col.empty() ? 0 : 1;
}

std::int32_t numvarcycle(std::string_view variable) {
    if (char_at(variable, 1) == '\'' || reads_as_float(variable)) return 1;
    const std::string_view lpu = count_from(",", variable, 1) == 5 ? field(variable, 2) : std::string_view();
    const std::int64_t a = nth_pos_back(",", variable, 2);
    const std::string_view tail = a == 0 ? variable : variable.substr(static_cast<std::size_t>(a));
    const std::size_t comma = tail.find(',');
    const std::string_view row = comma == std::string_view::npos ? std::string_view() : tail.substr(0, comma);
    const std::string_view col = comma == std::string_view::npos ? tail : tail.substr(comma + 1);

    std::string_view chosen;
    if (contains_any(row, kTermListMarks)) {
        chosen = row;
    } else if (contains_any(col, kTermListMarks)) {
        chosen = col;
    } else if (contains_any(lpu, kTermListMarks)) {
        chosen = lpu;
    } else {
        return col.empty() ? 0 : 1;
    }
    return to_count(term_count(chosen));
}

}  // namespace vexo::udf
