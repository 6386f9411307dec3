#include "decimal.h"

namespace vexo::grid {

namespace {

using i128 = __int128;
// Beyond this the next step could leave 128 bits.
constexpr i128 kLimit = static_cast<i128>(1000000000000000000LL) * static_cast<i128>(10000000000000000000ULL);  // 10^37

i128 abs128(i128 v) { return v < 0 ? -v : v; }

i128 pow10(int n) {
    i128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

void check(i128 v) {
    if (abs128(v) >= kLimit) throw std::overflow_error("number too large");
}

// Divides by 10^n rounding half away from zero.
i128 dropDigits(i128 v, int n) {
    if (n <= 0) return v;
    if (n > 38) return 0;  // |v| < 2 × 10^38 rounds to nothing
    const i128 p = pow10(n);
    const i128 q = v / p, r = abs128(v % p);
    return r * 2 >= p ? q + (v < 0 ? -1 : 1) : q;
}

// v × 10^n when it stays below the limit.
bool scaleUp(i128 v, int n, i128& out) {
    for (int i = 0; i < n; ++i) {
        if (abs128(v) >= kLimit / 10) return false;
        v *= 10;
    }
    out = v;
    return true;
}

}  // namespace

Decimal::Decimal(i128 units, int scale) : units_(units), scale_(scale) {
    check(units_);
    normalize();
}

void Decimal::normalize() {
    if (scale_ > kMaxScale) {
        units_ = dropDigits(units_, scale_ - kMaxScale);
        scale_ = kMaxScale;
    }
    while (scale_ < 0) {
        units_ *= 10;
        ++scale_;
        check(units_);
    }
    while (scale_ > 0 && units_ % 10 == 0) {
        units_ /= 10;
        --scale_;
    }
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    const int s = std::max(a.scale_, b.scale_);
    i128 x, y;
    if (!scaleUp(a.units_, s - a.scale_, x) || !scaleUp(b.units_, s - b.scale_, y))
        throw std::overflow_error("number too large");
    return Decimal(x + y, s);
}

Decimal operator*(const Decimal& a, const Decimal& b) {
    i128 x = a.units_, y = b.units_;
    int sx = a.scale_, sy = b.scale_;
    // Give up decimals (the least significant digits) rather than overflow.
    while (x != 0 && y != 0 && abs128(y) > kLimit / abs128(x)) {
        if (sx == 0 && sy == 0) throw std::overflow_error("number too large");
        if (sx >= sy) {
            x = dropDigits(x, 1);
            --sx;
        } else {
            y = dropDigits(y, 1);
            --sy;
        }
    }
    return Decimal(x * y, sx + sy);
}

Decimal operator/(const Decimal& a, const Decimal& b) {
    if (b.units_ == 0) throw std::domain_error("division by zero");
    const bool negative = (a.units_ < 0) != (b.units_ < 0);
    const i128 d = abs128(b.units_);
    i128 q = abs128(a.units_) / d, r = abs128(a.units_) % d;
    int digits = 0;
    // Long division: r < d < 10^37, so r × 10 stays inside 128 bits.
    while (r != 0 && digits < Decimal::kMaxScale + 1 + b.scale_ && q < kLimit / 10) {
        r *= 10;
        q = q * 10 + r / d;
        r %= d;
        ++digits;
    }
    if (r * 2 >= d && r != 0) ++q;  // the digits left over
    return Decimal(negative ? -q : q, digits + a.scale_ - b.scale_);
}

bool Decimal::operator==(const Decimal& o) const { return units_ == o.units_ && scale_ == o.scale_; }

std::optional<fb::Numeric> Decimal::toNumeric(int scale) const {
    i128 v = units_;
    if (scale < scale_) v = dropDigits(v, scale_ - scale);
    else if (!scaleUp(v, scale - scale_, v)) return std::nullopt;
    if (v > INT64_MAX || v < -INT64_MAX) return std::nullopt;
    return fb::Numeric{static_cast<std::int64_t>(v), scale};
}

std::string Decimal::toString() const {
    i128 m = abs128(units_);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m != 0);
    if (scale_ > 0) {
        if (static_cast<int>(digits.size()) <= scale_) digits.insert(0, static_cast<size_t>(scale_) - digits.size() + 1, '0');
        digits.insert(digits.size() - static_cast<size_t>(scale_), 1, '.');
    }
    return units_ < 0 ? "-" + digits : digits;
}

}  // namespace vexo::grid
