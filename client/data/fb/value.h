#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace vexo::fb {

// An exact decimal: value × 10^-scale. numeric(18,2) arrives as scale 2 and
// must never pass through a double on its way to the screen or back.
struct Numeric {
    std::int64_t units = 0;
    int scale = 0;

    // Text with a point and exactly `scale` decimals ("-12.50").
    std::string toString() const;
    // Reads "12", "-3.5", "0,25" (comma accepted); false on anything else or overflow.
    static bool parse(std::string_view text, int scale, Numeric& out);
    // The same value with another scale; false when digits would be lost or it overflows.
    bool rescaled(int newScale, Numeric& out) const;
    double toDouble() const;
    bool operator==(const Numeric& o) const;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Date&) const = default;
};

struct Timestamp {
    Date date;
    int hour = 0, minute = 0, second = 0, fraction = 0;  // fraction in 1/10000 s
    bool operator==(const Timestamp&) const = default;
};

struct Null {
    bool operator==(const Null&) const = default;
};

// One field or parameter value. Text is kept as Windows-1251 bytes.
class Value {
public:
    using Storage = std::variant<Null, std::int64_t, Numeric, double, std::string, Date, Timestamp, bool>;

    Value() = default;
    Value(Null) {}
    Value(int v) : v_(static_cast<std::int64_t>(v)) {}
    Value(std::int64_t v) : v_(v) {}
    Value(Numeric v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(std::string cp1251) : v_(std::move(cp1251)) {}
    Value(const char* cp1251) : v_(std::string(cp1251)) {}
    Value(Date v) : v_(v) {}
    Value(Timestamp v) : v_(v) {}
    Value(bool v) : v_(v) {}

    bool isNull() const { return std::holds_alternative<Null>(v_); }
    const Storage& storage() const { return v_; }

    template <class T> bool is() const { return std::holds_alternative<T>(v_); }
    template <class T> const T& get() const { return std::get<T>(v_); }

    // Conversions used by scalar queries; a null gives the neutral value.
    std::int64_t toInt64() const;
    double toDouble() const;
    // Text as stored (Windows-1251); numbers and dates in their SQL literal form.
    std::string toText() const;

    bool operator==(const Value& o) const { return v_ == o.v_; }

private:
    Storage v_;
};

}  // namespace vexo::fb
