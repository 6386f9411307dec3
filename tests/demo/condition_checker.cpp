#include "condition_checker.h"

#include "demo_database.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace vexo::test {

namespace {

constexpr char kRangeP = static_cast<char>(0xCF);  // "П" in Windows-1251
constexpr char kRangeN = static_cast<char>(0xCD);  // "Н"

bool isSign(char ch) { return std::string_view("*+-/<=>").find(ch) != std::string_view::npos; }

std::vector<std::string> splitFields(const std::string& text) {
    std::vector<std::string> out(1);
    for (char ch : text) {
        if (ch == ',')
            out.emplace_back();
        else
            out.back() += ch;
    }
    return out;
}

int toInt(const std::string& s) {
    if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        throw std::runtime_error("not a number: " + s);
    return std::stoi(s);
}

// Elements of a row or column field: for a cycle the steps, for a term list
// the terms with their signs, for a single number itself.
struct Field {
    bool cycle = false;
    bool terms = false;
    std::vector<std::pair<int, int>> elements;  // (number, sign)
};

Field parseField(const std::string& text) {
    Field f;
    if (text.find_first_of(".:") != std::string::npos) {
        f.cycle = true;
        size_t start = 0;
        while (start <= text.size()) {
            const size_t dot = text.find('.', start);
            const std::string part = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
            const size_t colon = part.find(':');
            if (colon == std::string::npos) {
                f.elements.push_back({toInt(part), 1});
            } else {
                const int a = toInt(part.substr(0, colon)), b = toInt(part.substr(colon + 1));
                if (b < a) throw std::runtime_error("reversed cycle range: " + part);
                for (int k = a; k <= b; ++k) f.elements.push_back({k, 1});
            }
            if (dot == std::string::npos) break;
            start = dot + 1;
        }
        return f;
    }
    if (text.find_first_of("+-*/") != std::string::npos || text.find(kRangeP) != std::string::npos ||
        text.find(kRangeN) != std::string::npos) {
        f.terms = true;
        int sign = 1;
        size_t i = 0;
        while (i < text.size()) {
            if (text[i] == '+' || text[i] == '-') {
                sign = text[i] == '-' ? -1 : 1;
                ++i;
                continue;
            }
            if (text[i] == '*' || text[i] == '/') throw std::runtime_error("product in a term list: " + text);
            size_t j = i;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
            const int a = toInt(text.substr(i, j - i));
            if (j < text.size() && (text[j] == kRangeP || text[j] == kRangeN)) {
                size_t k = j + 1;
                while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]))) ++k;
                const int b = toInt(text.substr(j + 1, k - j - 1));
                if (b < a) throw std::runtime_error("reversed term range: " + text);
                for (int n = a; n <= b; ++n) f.elements.push_back({n, sign});
                j = k;
            } else {
                f.elements.push_back({a, sign});
            }
            i = j;
        }
        return f;
    }
    f.elements.push_back({toInt(text), 1});
    return f;
}

// Arithmetic over the substituted text: + - * / and parentheses, unary minus;
// a division by zero gives zero, as on the server.
class Arithmetic {
public:
    explicit Arithmetic(std::string text) : s_(std::move(text)) {}
    double evaluate() {
        const double v = sum();
        skip();
        if (i_ != s_.size()) throw std::runtime_error("cannot evaluate: " + s_);
        return v;
    }

private:
    void skip() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r')) ++i_;
    }
    double sum() {
        double v = product();
        for (;;) {
            skip();
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) {
                const char op = s_[i_++];
                const double r = product();
                v = op == '+' ? v + r : v - r;
            } else {
                return v;
            }
        }
    }
    double product() {
        double v = factor();
        for (;;) {
            skip();
            if (i_ < s_.size() && (s_[i_] == '*' || s_[i_] == '/')) {
                const char op = s_[i_++];
                const double r = factor();
                v = op == '*' ? v * r : (r == 0 ? 0 : v / r);
            } else {
                return v;
            }
        }
    }
    double factor() {
        skip();
        if (i_ < s_.size() && s_[i_] == '-') {
            ++i_;
            return -factor();
        }
        if (i_ < s_.size() && s_[i_] == '(') {
            ++i_;
            const double v = sum();
            skip();
            if (i_ >= s_.size() || s_[i_] != ')') throw std::runtime_error("unbalanced: " + s_);
            ++i_;
            return v;
        }
        const size_t start = i_;
        while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.')) ++i_;
        if (start == i_) throw std::runtime_error("number expected: " + s_);
        return std::stod(s_.substr(start, i_ - start));
    }
    std::string s_;
    size_t i_ = 0;
};

double round2(double v) { return std::round(v * 100.0) / 100.0; }

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace

std::optional<int> metadataYear(int table, int year) {
    if (year > 2012) {
        if (table > 349) return std::min(year, 2019);
        return std::nullopt;
    }
    if (table > 399) {
        if (year == 2012) return 2012;
        if (year >= 2008) return year;
        return 2007;
    }
    return std::nullopt;
}

std::string comparisonSign(const std::string& text) {
    for (const char* sign : {">=", "<=", "<>", ">", "<", "=", ";"})
        if (text.find(sign) != std::string::npos) return sign;
    return {};
}

std::string conditionVariables(const std::string& text) {
    std::string out;
    int widest = 3, commas = 0;
    bool inBracket = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if ((ch == '(' || ch == ')') && !(commas == 4 && widest > 4)) continue;
        if (ch == '[') inBracket = true;
        if (ch == ']') inBracket = false;
        const bool sign = isSign(ch);
        const bool candidate = (commas >= widest && sign && !inBracket) || ch == ';' || (commas == 0 && sign);
        if (!candidate) {
            out += ch;
        } else {
            widest = std::max(widest, commas);
            const std::string rest = text.substr(i);
            const bool keepsTerm = (ch == '+' || ch == '-') && commas != 0 &&
                                   std::count(rest.begin(), rest.end(), ',') <= 2 &&
                                   rest.find('\'') == std::string::npos;
            if (keepsTerm) {
                out += ch;
            } else {
                out += '$';
                commas = 0;
            }
        }
        if (ch == ',') ++commas;
        if (ch == '\'') commas = widest;
    }
    return out + '$';
}

ConditionChecker::ConditionChecker(fb::Attachment& db) {
    for (const auto& r : queryRows(db, "select FORMKOD, TBLKOD, NTBL from TBLNAME"))
        tables_[trimmed(r[0].toText()) + trimmed(r[1].toText())] = std::stoi(r[2].toText());
    for (const auto& r : queryRows(db, "select TBL, coalesce(GOD, 0), NSTR, lower(ENG) from COLUMNS where NSTR is not null"))
        columns_[{static_cast<int>(r[0].toInt64()), static_cast<int>(r[1].toInt64()), trimmed(r[2].toText())}] =
            trimmed(r[3].toText());
    std::string select = "select NTBL, LPU, PERIOD, GOD, \"ROW\"";
    for (int k = 1; k <= 30; ++k) select += ", N" + std::to_string(k);
    for (const auto& r : queryRows(db, select + " from TBL where TIPSVODA = 0")) {
        DataKey key{static_cast<int>(r[0].toInt64()), textOf(r[1]), textOf(r[2]), static_cast<int>(r[3].toInt64()),
                    textOf(r[4])};
        auto& cells = data_[key];
        for (int k = 1; k <= 30; ++k)
            if (!r[static_cast<size_t>(4 + k)].isNull()) cells["n" + std::to_string(k)] = r[static_cast<size_t>(4 + k)].toDouble();
    }
}

std::set<ReportKey> ConditionChecker::reportsOf(int table) const {
    std::set<ReportKey> out;
    for (const auto& [key, cells] : data_)
        if (key.table == table) out.insert({key.lpu, key.period, key.year});
    return out;
}

int ConditionChecker::tableOf(int form, int table) const {
    char formCode[16], tableCode[16];
    std::snprintf(formCode, sizeof formCode, "%03d0000", form);
    std::string f = formCode;
    if (f == "0410000") f = "0410100";
    if (f == "0540000") f = "0540100";
    std::snprintf(tableCode, sizeof tableCode, "%06d", table);
    const auto it = tables_.find(f + tableCode);
    if (it == tables_.end()) throw std::runtime_error("no table " + f + "/" + tableCode);
    return it->second;
}

std::string ConditionChecker::columnName(int table, int year, int column) const {
    const std::string nstr = std::to_string(column);
    const auto god = metadataYear(table, year);
    bool described = false;
    std::string name;
    for (const auto& [key, eng] : columns_) {
        if (std::get<0>(key) != table || (god && std::get<1>(key) != *god)) continue;
        described = true;
        if (std::get<2>(key) != nstr) continue;
        if (!name.empty() && name != eng)
            throw std::runtime_error("column " + nstr + " of table " + std::to_string(table) + " is ambiguous");
        name = eng;
    }
    // A year without any description of the table holds no data; a description
    // without the column means the condition names a column the form lacks.
    if (described && name.empty())
        throw std::runtime_error("table " + std::to_string(table) + " has no column " + nstr + " in " +
                                 std::to_string(year));
    return name;
}

double ConditionChecker::cell(int table, const std::string& lpu, const std::string& period, int year, int row,
                              int column) const {
    const std::string eng = columnName(table, year, column);
    if (eng.empty()) return 0;
    char rowCode[8];
    std::snprintf(rowCode, sizeof rowCode, "%03d", row);
    const auto it = data_.find({table, lpu, period, year, rowCode});
    if (it == data_.end()) return 0;
    const auto c = it->second.find(eng);
    return c == it->second.end() ? 0 : c->second;
}

bool ConditionChecker::holds(const std::string& text, const ReportKey& report, double tolerance) const {
    const std::string sign = comparisonSign(text);
    if (sign.empty()) throw std::runtime_error("no comparison sign");

    struct Reference {
        std::string name;
        bool constant = false;
        int year = 0, table = 0;
        Field row, column;
    };
    std::vector<Reference> refs;
    const std::string list = conditionVariables(text);
    size_t steps = 1;
    for (size_t start = 0, end; (end = list.find('$', start)) != std::string::npos; start = end + 1) {
        Reference ref;
        ref.name = list.substr(start, end - start);
        if (ref.name.empty()) continue;
        const auto fields = splitFields(ref.name);
        if (fields.size() == 1) {
            ref.constant = true;
            refs.push_back(ref);
            continue;
        }
        if (fields.size() != 4 && fields.size() != 6)
            throw std::runtime_error("unexpected reference " + ref.name);
        size_t f = 0;
        ref.year = report.year;
        if (fields.size() == 6) {
            const std::string& god = fields[0];
            if (god.size() == 3 && god[1] == '0' && god[2] == '0' && god[0] >= '1' && god[0] <= '9')
                ref.year = report.year - (god[0] - '0');
            else if (!god.empty())
                throw std::runtime_error("unexpected year field " + god);
            if (!fields[1].empty()) throw std::runtime_error("unexpected institution field " + fields[1]);
            f = 2;
        }
        ref.table = tableOf(toInt(fields[f]), toInt(fields[f + 1]));
        ref.row = parseField(fields[f + 2]);
        ref.column = parseField(fields[f + 3]);
        if (ref.row.terms && ref.column.terms) throw std::runtime_error("terms in both fields: " + ref.name);
        const size_t rowSteps = ref.row.cycle ? ref.row.elements.size() : 1;
        const size_t colSteps = ref.column.cycle ? ref.column.elements.size() : 1;
        const size_t n = rowSteps * colSteps;
        if (n > 1) {
            if (steps > 1 && steps != n) throw std::runtime_error("cycles of different lengths in one condition");
            steps = n;
        }
        refs.push_back(ref);
    }

    for (size_t p = 0; p < steps; ++p) {
        std::string expression = text;
        size_t from = 0;
        for (const Reference& ref : refs) {
            std::string value = ref.name;
            if (!ref.constant) {
                const size_t colSteps = ref.column.cycle ? ref.column.elements.size() : 1;
                size_t rowIndex = 0, colIndex = 0;
                if (ref.row.cycle && ref.column.cycle) {
                    rowIndex = p / colSteps;
                    colIndex = p % colSteps;
                } else if (ref.row.cycle) {
                    rowIndex = p;
                } else if (ref.column.cycle) {
                    colIndex = p;
                }
                double v = 0;
                if (ref.row.terms) {
                    for (const auto& [row, s] : ref.row.elements)
                        v += s * cell(ref.table, report.lpu, report.period, ref.year, row,
                                      ref.column.elements[colIndex].first);
                } else if (ref.column.terms) {
                    for (const auto& [col, s] : ref.column.elements)
                        v += s * cell(ref.table, report.lpu, report.period, ref.year, ref.row.elements[rowIndex].first,
                                      col);
                } else {
                    v = cell(ref.table, report.lpu, report.period, ref.year, ref.row.elements[rowIndex].first,
                             ref.column.elements[colIndex].first);
                }
                char buf[64];
                std::snprintf(buf, sizeof buf, "(%.4f)", v);
                value = buf;
            }
            const size_t at = expression.find(ref.name, from);
            if (at == std::string::npos) throw std::runtime_error("variable not found again: " + ref.name);
            expression.replace(at, ref.name.size(), value);
            from = at + value.size();
        }
        const size_t at = expression.find(sign);
        const double left = round2(Arithmetic(expression.substr(0, at)).evaluate());
        const double right = round2(Arithmetic(expression.substr(at + sign.size())).evaluate());
        constexpr double eps = 1e-6;
        bool ok = true;
        if (sign == ">=") ok = left >= right - eps;
        else if (sign == "<=") ok = left <= right + eps;
        else if (sign == "<>") ok = std::fabs(left - right) > eps;
        else if (sign == ">") ok = left > right + eps;
        else if (sign == "<") ok = left < right - eps;
        else if (sign == "=") ok = std::fabs(left - right) <= tolerance + eps;
        else if (sign == ";") ok = std::fabs(left - right) <= 0.1 + eps;
        if (!ok) return false;
    }
    return true;
}

}  // namespace vexo::test
