#pragma once

// The digits collected by the scanning loops over cycle and term lists.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text.h"

namespace vexo::udf {

// Appends the run of digits starting at 1-based position i to `digits`; returns the position after it.
inline std::int64_t append_digit_run(std::string_view text, std::int64_t i, std::string& digits) {
    while (is_digit(char_at(text, i))) digits += char_at(text, i++);
    return i;
}

}  // namespace vexo::udf
