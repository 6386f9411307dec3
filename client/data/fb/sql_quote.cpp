#include "sql_quote.h"

namespace vexo::fb {

std::string quoteLiteral(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 2);
    out.push_back('\'');
    for (char ch : value) {
        if (ch == '\0') continue;  // would end the statement text
        if (ch == '\'') out.push_back('\'');
        out.push_back(ch);
    }
    out.push_back('\'');
    return out;
}

}  // namespace vexo::fb
