#pragma once

#include <cstdint>
#include <string_view>

namespace vexo::demo {

// The demo data must come out the same on every build and every platform, so
// the generator uses its own generator (SplitMix64) and its own range
// functions instead of the standard distributions, whose results differ
// between library implementations.
class DemoPrng {
public:
    explicit DemoPrng(std::uint64_t seed) : state_(seed) {}

    // A generator of its own for every (table, institution) pair: changing the
    // data of one table leaves the figures of all others as they were.
    static DemoPrng forKey(std::string_view key) {
        std::uint64_t h = 0x9E3779B97F4A7C15ULL;  // fixed seed of the demo
        for (unsigned char ch : key) h = (h ^ ch) * 0x100000001B3ULL;
        return DemoPrng(h);
    }

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform integer in [lo, hi]; hi < lo gives lo.
    long long between(long long lo, long long hi) {
        if (hi <= lo) return lo;
        return lo + static_cast<long long>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    // Uniform real in [lo, hi).
    double real(double lo, double hi) {
        const double unit = static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
        return lo + unit * (hi - lo);
    }

    bool chance(double p) { return real(0.0, 1.0) < p; }

private:
    std::uint64_t state_;
};

}  // namespace vexo::demo
