#include "sql_text.h"

namespace vexo::data {

QString sqlEscape(const QString& value) {
    QString out;
    out.reserve(value.size() + 2);
    for (QChar ch : value) {
        if (ch == QChar(0)) continue;  // would end the statement text
        if (ch == '\'') out += '\'';
        out += ch;
    }
    return out;
}

QString sqlQuote(const QString& value) { return '\'' + sqlEscape(value) + '\''; }

}  // namespace vexo::data
