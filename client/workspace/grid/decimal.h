#pragma once

#include "fb/value.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace vexo::grid {

// An exact decimal for row formulas: units × 10^-scale in 128 bits, so that
// sums and products of stored numeric(18,2) values stay exact and only a
// division rounds (to kMaxScale places).
class Decimal {
public:
    static constexpr int kMaxScale = 20;

    Decimal() = default;
    Decimal(__int128 units, int scale);
    static Decimal fromNumeric(const fb::Numeric& n) { return Decimal(n.units, n.scale); }
    static Decimal fromInt(long long v) { return Decimal(v, 0); }

    __int128 units() const { return units_; }
    int scale() const { return scale_; }
    bool isZero() const { return units_ == 0; }
    bool isNegative() const { return units_ < 0; }

    Decimal operator-() const { return Decimal(-units_, scale_); }
    // All throw std::overflow_error beyond about 10^37; division by zero throws std::domain_error.
    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b) { return a + (-b); }
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend Decimal operator/(const Decimal& a, const Decimal& b);
    bool operator==(const Decimal& o) const;

    // Rounded half away from zero to `scale` places; nullopt when it does not fit 64 bits.
    std::optional<fb::Numeric> toNumeric(int scale) const;
    // Exact digits with a point, trailing zeros dropped ("12.5", "-3").
    std::string toString() const;

private:
    void normalize();
    __int128 units_ = 0;
    int scale_ = 0;
};

}  // namespace vexo::grid
