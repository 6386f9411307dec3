#include "core/string_functions.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/numbers.h"
#include "core/text.h"
#include "core/upper_case.h"

namespace vexo::udf {

std::int32_t strlen(std::string_view text) {
    return static_cast<std::int32_t>(std::min<std::size_t>(text.size(), std::numeric_limits<std::int32_t>::max()));
}

std::string substr(std::string_view text, std::int32_t first, std::int32_t last) {
    if (first > last || first < 1 || last < 1) return {};
    return std::string(substring(text, first, std::int64_t{last} - first + 1));
}

std::string codlpu(std::string_view text, std::int32_t n) {
    return std::string(substring(text, 4 * std::int64_t{n} - 3, 4));
}

namespace {

// Widest cell reference of a variable list: most commas in one item, up to the first empty item.
std::int64_t widest_reference(std::string_view list) {
    std::int64_t widest = 0;
    std::size_t start = 0;
    for (std::size_t end = list.find('$'); end != std::string_view::npos; end = list.find('$', start)) {
        const std::string_view item = list.substr(start, end - start);
        if (item.empty()) break;
        widest = std::max(widest, count_from(",", item, 1));
        start = end + 1;
    }
    return widest;
}

}  // namespace

std::string razd(std::string_view condition, std::int32_t mode) {
    // Priority order, not position: in A=B>C the sign is ">".
    static constexpr std::array<std::string_view, 7> kSigns = {">=", "<=", "<>", ">", "<", "=", ";"};
    std::string_view sign;
    std::int64_t p = 0;
    for (const std::string_view candidate : kSigns) {
        p = find_from(candidate, condition, 1);
        if (p != 0) {
            sign = candidate;
            break;
        }
    }
    switch (mode) {
        case 0:
            return std::string(sign);
        case 1:
            return std::string(substring(condition, 1, p - 1));
        case 2:
            return std::string(substring(condition, p + length(sign), length(condition) - p - length(sign) + 1));
        case 3: {
            // "-" marks conditions over relative indicators.
            static constexpr char kRelativeMarks[] = {';', '/', 'X', kCyrillicKha};
            return contains_any(condition, std::string_view(kRelativeMarks, sizeof kRelativeMarks)) ? "-" : "+";
        }
        case -1:
            return format_int(widest_reference(condition));
        default:
            return std::string(condition);
    }
}

std::string reform(std::string_view formula) {
    std::string text = upper_case(formula);
    std::erase(text, '\r');
    std::erase(text, ' ');
    for (char& ch : text) {
        if (ch == 'X' || ch == kCyrillicKha) ch = '*';
    }
    // A leading two-character prefix before a form code ("0410,1" -> "10,1").
    if (find_from(",", text, 1) >= 4) delete_chars(text, 1, 2);
    if (text.empty()) return text;
    if (text.back() == '*') {
        text.pop_back();
        return text;
    }
    // A trailing "*name" without digits is not a factor of the formula.
    const std::size_t last_star = text.rfind('*');
    if (last_star != std::string::npos &&
        std::none_of(text.begin() + static_cast<std::ptrdiff_t>(last_star) + 1, text.end(), is_digit)) {
        text.erase(last_star);
    }
    return text;
}

namespace {

std::int32_t read_code(std::string_view code) { return read_int32(upper_case(code)).value_or(0); }

}  // namespace

std::string mm(std::string_view code) {
    const std::int64_t n = read_code(code);
    std::int64_t mapped;
    if (n <= 21) mapped = n;
    else if (n <= 23) mapped = n + 1;
    else if (n <= 28) mapped = n + 2;
    else if (n <= 31) mapped = n + 4;
    else if (n <= 59) mapped = n + 10;
    else if (n == 60) mapped = 71;
    else if (n == 61) mapped = 75;
    else if (n == 62) mapped = 78;
    else if (n <= 66) mapped = n + 17;
    else if (n <= 69) mapped = n + 19;
    else return {};
    return format_padded(mapped, 3);
}

std::string vn(std::string_view code) {
    const std::int32_t n = read_code(code);
    const bool odd = n % 2 != 0;
    if ((n >= 1 && n <= 76) || (n >= 79 && n <= 94)) return odd ? "009" : "010";
    if (n >= 95 && n <= 102) return odd ? "010" : "009";
    if (n == 77 || n == 78 || n == 103 || n == 104) return "010";
    return {};
}

}  // namespace vexo::udf
