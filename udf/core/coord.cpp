#include "core/coord.h"

#include "core/cell_reference.h"
#include "core/cycles.h"
#include "core/digit_run.h"
#include "core/numbers.h"
#include "core/text.h"

namespace vexo::udf {
namespace {

// Form codes are keyed as seven digits; a five-character code "ddfff" becomes "fffdd00".
std::string form_code(std::string_view g) {
    std::string code;
    if (g.size() == 5) {
        code.append(g.substr(2, 3)).append(g.substr(0, 2)).append("00");
    } else if (!g.empty()) {
        code = format_padded(read_int32(g).value_or(0), 3);
        code += "0000";
    }
    // These two forms keep their data under the code of their first part: "0410000" -> "0410100".
    if (code == "0410000" || code == "0540000") code[4] = '1';
    return code;
}

std::string year(std::string_view g, std::int32_t p, std::int64_t commas) {
    switch (g.size()) {
        case 1:
            return std::string(g);
        case 2:
            return (g[0] == '8' || g[0] == '9' ? "19" : "20") + std::string(g);
        case 3:
            // "100".."900" in a 5-comma reference: one to nine years back.
            if (commas == 5 && g[0] >= '1' && g[0] <= '9' && g[1] == '0' && g[2] == '0') {
                return format_int(std::int64_t{p} - (g[0] - '0'));
            }
            return std::string(g);
        default:
            return format_int(p);
    }
}

bool is_search_char(char ch) {
    switch (ch) {
        case '*': case '+': case '-': case '.': case '/': case ':': case kCyrillicPe: case kCyrillicEn:
            return true;
        default:
            return is_digit(ch);
    }
}

std::string deliver_digits(const std::string& number, Component component, char sign) {
    switch (component) {
        case Component::row: return format_padded(need_int32(number), 3);
        case Component::col: return format_int(need_int32(number));
        case Component::znak: return std::string(1, sign);
        default: return number;  // lpu: the code as written
    }
}

std::string deliver_value(std::int64_t value, Component component, char sign) {
    switch (component) {
        case Component::row: return format_padded(value, 3);
        case Component::znak: return std::string(1, sign);
        default: return format_int(value);
    }
}

// Element t of a cycle or term list: its number (or, for znak, the sign written before it).
std::string element(std::string_view s, std::int64_t t, Component component) {
    const std::int64_t len = length(s);
    std::int64_t i = 1;
    std::int64_t count = 0;
    std::string number;
    std::string upper;
    char sign = '+';
    char pending = '+';
    while (i <= len) {
        if (!is_search_char(char_at(s, i))) {
            ++i;
            continue;
        }
        if (is_digit(char_at(s, i))) i = append_digit_run(s, i, number);

        const char separator = char_at(s, i);
        if (separator == '*' || separator == '+' || separator == '-' || separator == '.' || separator == '/' ||
            i >= len) {
            pending = separator == '+' || separator == '-' ? separator : sign;
            ++i;
            if (!number.empty()) ++count;
            if (count == t || i > len) return deliver_digits(number, component, sign);
            number.clear();
            sign = separator == '/' || separator == '*' ? separator : pending;
        }

        const char range = char_at(s, i);
        if (range == ':' || range == kCyrillicPe || range == kCyrillicEn) {
            pending = sign == '-' ? '-' : '+';
            ++i;
            i = append_digit_run(s, i, upper);
            const std::int64_t low = need_int32(number);
            const std::int64_t high = need_int32(upper);
            count += high - low + 1;
            if (count >= t || i > len) return deliver_value(count >= t ? high - (count - t) : high, component, pending);
            number.clear();
            upper.clear();
        }
    }
    return component == Component::znak ? "+" : "";
}

bool is_placeholder(std::string_view s) { return s == "{}" || s == "vn()" || s == "mm()"; }

}  // namespace

std::string coord(std::string_view variable_in, std::string_view component_name, std::int32_t p, std::int32_t q) {
    const auto component = find_component(component_name);
    if (!component) return {};
    const Component k = *component == Component::znak ? Component::row : *component;
    std::string result = *component == Component::znak ? "+" : "";

    // A reference without commas is a single field; widen it to five commas with the field in place.
    std::string variable(variable_in);
    std::int64_t r = count_from(",", variable, 1);
    if (r == 0) {
        if (contains(variable, kCyrillicPe)) {
            variable = ",,,," + variable + ",";
        } else if (contains(variable, kCyrillicEn)) {
            variable = ",,,,," + variable;
        } else if (!contains(variable, '+') && !contains(variable, '-')) {
            // A constant: a number, or a text in apostrophes.
            if (contains(variable, '\'')) {
                delete_chars(variable, 1, 1);
                delete_chars(variable, length(variable), 1);
            }
            return *component == Component::tbl ? variable : std::string();
        } else {
            variable = "," + variable + ",,,,";
        }
        r = 5;
    }
    const int f = field_number(k, r);
    if (f == 0) return result;

    const std::string_view g = field(variable, f);
    const std::string_view row_field = field(variable, field_number(Component::row, r));
    const std::string_view col_field = field(variable, field_number(Component::col, r));

    switch (*component) {
        case Component::god: return year(g, p, r);
        case Component::form: {
            const std::string code = form_code(g);
            return code.empty() ? code : format_padded(read_int32(code).value_or(0), 7);
        }
        case Component::tbl: return g.empty() ? std::string() : format_padded(read_int32(g).value_or(0), 6);
        default: break;
    }

    std::string_view s = g;
    if (*component == Component::znak) {
        if (contains_any(row_field, kTermListMarks)) {
            s = row_field;
        } else if (contains_any(col_field, kTermListMarks)) {
            s = col_field;
        } else if (r != 5) {
            return "+";
        } else {
            const std::string_view h = contains(variable_in, ',') ? field(variable_in, 2) : variable_in;
            if (!contains_any(h, kTermListMarks)) return "+";
            s = h;
        }
    }

    if (s.empty()) return {};
    if (is_placeholder(s)) return std::string(s);
    if (const auto n = read_int32(s)) {
        switch (*component) {
            case Component::znak: return "+";
            case Component::col: return format_int(*n);
            default: return std::string(s);
        }
    }

    // Which element of the field this call is about. A field with neither cycle nor term
    // notation (letters, brackets only) stands for one cell: its first element.
    std::int64_t t = 1;
    if (contains_any(s, kCycleMarks)) {
        t = p;
        const std::string_view other = *component == Component::row   ? col_field
                                       : *component == Component::col ? row_field
                                                                      : std::string_view();
        if (contains_any(other, kCycleMarks)) {
            // Rows by columns: the steps run through the columns of the first row, then the next row.
            const std::int64_t n = cycle_len(col_field);
            if (n > 1) {
                if (*component == Component::row) t = (std::int64_t{p} - 1) / n + 1;
                if (*component == Component::col) t = (std::int64_t{p} - 1) % n + 1;
            }
        }
    }
    if (contains_any(s, kTermListMarks)) t = q;
    return element(s, t, *component);
}

}  // namespace vexo::udf
