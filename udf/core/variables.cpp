#include "core/variables.h"

#include <algorithm>
#include <limits>

#include "core/text.h"

namespace vexo::udf {
namespace {

bool is_break_sign(char ch) {
    switch (ch) {
        case '*': case '+': case '-': case '/': case '<': case '=': case '>':
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string vars(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 1);
    std::int64_t widest = 3;  // most commas seen in one reference so far
    std::int64_t c = 0;       // commas in the current reference
    bool in_bracket = false;

    // "How many commas from here to the end" and "any apostrophe from here on", without rescanning.
    const std::int64_t total_commas = std::count(text.begin(), text.end(), ',');
    const std::size_t last_apostrophe = text.rfind('\'');
    std::int64_t commas_before = 0;

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        // Parentheses group terms, except in the row field of a 5-comma reference, where they
        // belong to the "vn()" and "mm()" placeholders.
        if ((ch == '(' || ch == ')') && !(c == 4 && widest > 4)) continue;
        if (ch == '[') in_bracket = true;
        if (ch == ']') in_bracket = false;

        const bool sign = is_break_sign(ch);
        const bool candidate = (c >= widest && sign && !in_bracket) || ch == ';' || (c == 0 && sign);
        if (!candidate) {
            out += ch;
        } else {
            widest = std::max(widest, c);
            // A "+" or "-" near the end of a reference with at most two more commas and no quoted
            // text ahead continues a term list in one of the last fields.
            const bool keeps_term_list = (ch == '+' || ch == '-') && c != 0 && total_commas - commas_before <= 2 &&
                                         (last_apostrophe == std::string_view::npos || last_apostrophe < i);
            if (keeps_term_list) {
                out += ch;
            } else {
                out += '$';
                c = 0;
            }
        }
        if (ch == ',') {
            ++c;
            ++commas_before;
        } else if (ch == '\'') {
            c = widest;
        }
    }
    out += '$';
    return out;
}

std::int32_t numvars(std::string_view list) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(count_from("$", list, 1), std::numeric_limits<std::int32_t>::max()));
}

std::string getvar(std::string_view list, std::int32_t n) { return std::string(list_item(list, n)); }

}  // namespace vexo::udf
