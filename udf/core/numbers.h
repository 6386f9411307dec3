#pragma once

// Reading and writing the integers of cell references and codes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexo::udf {

// The whole text as a decimal integer: optional "+" or "-", then at least one digit, and the value
// within the 32-bit range. Anything else (blanks included) is not an integer.
std::optional<std::int32_t> read_int32(std::string_view text);

// Like read_int32, for places that cannot go on without the integer: throws Failure.
std::int32_t need_int32(std::string_view text);

// The whole text as a floating number with "." as decimal separator: optional sign, digits with
// an optional fraction (at least one digit in all), optional exponent.
bool reads_as_float(std::string_view text);

// Decimal text with at least min_digits digits (leading zeros); a minus sign goes before the zeros.
std::string format_padded(std::int64_t value, int min_digits);

inline std::string format_int(std::int64_t value) { return format_padded(value, 1); }

}  // namespace vexo::udf
