#include "core/numbers.h"

#include <limits>

#include "core/failure.h"
#include "core/text.h"

namespace vexo::udf {

std::optional<std::int32_t> read_int32(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) return std::nullopt;
    // Accumulate the magnitude in 64 bits; stop as soon as it cannot fit any more.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!is_digit(text[i])) return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t need_int32(std::string_view text) {
    if (const auto value = read_int32(text)) return *value;
    throw Failure(Failure::Kind::not_an_integer,
                  text.empty() ? "missing integer in cell reference" : "integer out of range in cell reference");
}

bool reads_as_float(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && is_digit(text[i])) ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

std::string format_padded(std::int64_t value, int min_digits) {
    // The magnitude of INT64_MIN does not fit int64; work in unsigned.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    std::string out;
    out.reserve(static_cast<std::size_t>(n + min_digits + 1));
    if (value < 0) out += '-';
    for (int pad = n; pad < min_digits; ++pad) out += '0';
    while (n > 0) out += digits[--n];
    return out;
}

}  // namespace vexo::udf
