#pragma once

// How many cycle steps and how many terms a cell reference stands for.

#include <cstdint>
#include <string_view>

namespace vexo::udf {

// Number of elements of a cycle list such as "1.3.5:8" (6); 0 when the list is malformed.
std::int64_t cycle_len(std::string_view text);

std::int32_t numcycle(std::string_view variable);
std::int32_t numvarcycle(std::string_view variable);

}  // namespace vexo::udf
