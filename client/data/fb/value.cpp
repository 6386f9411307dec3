#include "value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vexo::fb {

namespace {

constexpr std::int64_t kPow10[] = {1,
                                   10,
                                   100,
                                   1000,
                                   10000,
                                   100000,
                                   1000000,
                                   10000000,
                                   100000000,
                                   1000000000,
                                   10000000000,
                                   100000000000,
                                   1000000000000,
                                   10000000000000,
                                   100000000000000,
                                   1000000000000000,
                                   10000000000000000,
                                   100000000000000000,
                                   1000000000000000000};

bool mulOverflows(std::int64_t a, std::int64_t b, std::int64_t& out) {
    return __builtin_mul_overflow(a, b, &out);
}

}  // namespace

std::string Numeric::toString() const {
    const bool negative = units < 0;
    // Work in unsigned so that INT64_MIN prints.
    unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
    std::string digits = std::to_string(magnitude);
    if (scale > 0) {
        if (digits.size() <= static_cast<size_t>(scale))
            digits.insert(0, static_cast<size_t>(scale) - digits.size() + 1, '0');
        digits.insert(digits.size() - static_cast<size_t>(scale), 1, '.');
    }
    return negative ? "-" + digits : digits;
}

bool Numeric::parse(std::string_view text, int scale, Numeric& out) {
    if (scale < 0 || scale > 18) return false;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    size_t end = text.size();
    while (end > i && text[end - 1] == ' ') --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t units = 0;
    int decimals = -1;
    bool anyDigit = false;
    for (; i < end; ++i) {
        const char ch = text[i];
        if (ch == '.' || ch == ',') {
            if (decimals >= 0) return false;
            decimals = 0;
            continue;
        }
        if (ch < '0' || ch > '9') return false;
        anyDigit = true;
        if (decimals >= 0) {
            if (decimals == scale) {
                if (ch != '0') return false;  // more decimals than the column holds
                continue;
            }
            ++decimals;
        }
        if (mulOverflows(units, 10, units) || __builtin_add_overflow(units, ch - '0', &units)) return false;
    }
    if (!anyDigit) return false;
    const int have = decimals < 0 ? 0 : decimals;
    if (mulOverflows(units, kPow10[scale - have], units)) return false;
    out = Numeric{negative ? -units : units, scale};
    return true;
}

bool Numeric::rescaled(int newScale, Numeric& out) const {
    if (newScale < 0 || newScale > 18) return false;
    if (newScale >= scale) {
        std::int64_t v;
        if (mulOverflows(units, kPow10[newScale - scale], v)) return false;
        out = Numeric{v, newScale};
        return true;
    }
    const std::int64_t div = kPow10[scale - newScale];
    if (units % div != 0) return false;
    out = Numeric{units / div, newScale};
    return true;
}

double Numeric::toDouble() const { return static_cast<double>(units) / static_cast<double>(kPow10[scale]); }

bool Numeric::operator==(const Numeric& o) const {
    if (scale == o.scale) return units == o.units;
    Numeric a, b;
    const int s = scale > o.scale ? scale : o.scale;
    return rescaled(s, a) && o.rescaled(s, b) && a.units == b.units;
}

std::int64_t Value::toInt64() const {
    if (auto p = std::get_if<std::int64_t>(&v_)) return *p;
    if (auto p = std::get_if<Numeric>(&v_)) return p->units / kPow10[p->scale];
    if (auto p = std::get_if<double>(&v_)) return static_cast<std::int64_t>(*p);
    if (auto p = std::get_if<bool>(&v_)) return *p ? 1 : 0;
    if (auto p = std::get_if<std::string>(&v_)) {
        std::int64_t v = 0;
        size_t i = 0;
        while (i < p->size() && (*p)[i] == ' ') ++i;
        std::from_chars(p->data() + i, p->data() + p->size(), v);
        return v;
    }
    return 0;
}

double Value::toDouble() const {
    if (auto p = std::get_if<double>(&v_)) return *p;
    if (auto p = std::get_if<Numeric>(&v_)) return p->toDouble();
    if (auto p = std::get_if<std::int64_t>(&v_)) return static_cast<double>(*p);
    if (auto p = std::get_if<std::string>(&v_)) {
        Numeric n;
        return Numeric::parse(*p, 6, n) ? n.toDouble() : 0.0;
    }
    return 0.0;
}

std::string Value::toText() const {
    struct Visitor {
        std::string operator()(Null) const { return {}; }
        std::string operator()(std::int64_t v) const { return std::to_string(v); }
        std::string operator()(const Numeric& v) const { return v.toString(); }
        std::string operator()(double v) const {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.15g", v);
            return buf;
        }
        std::string operator()(const std::string& v) const { return v; }
        std::string operator()(const Date& d) const {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
            return buf;
        }
        std::string operator()(const Timestamp& t) const {
            char buf[48];
            std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.date.year, t.date.month,
                          t.date.day, t.hour, t.minute, t.second);
            return buf;
        }
        std::string operator()(bool v) const { return v ? "TRUE" : "FALSE"; }
    };
    return std::visit(Visitor{}, v_);
}

}  // namespace vexo::fb
