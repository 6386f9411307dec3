#pragma once

// The variable list of a condition or formula and access to its items.

#include <cstdint>
#include <string>
#include <string_view>

namespace vexo::udf {

// Lists the cell references of a condition or formula, each followed by "$".
std::string vars(std::string_view text);

std::int32_t numvars(std::string_view list);
std::string getvar(std::string_view list, std::int32_t n);

}  // namespace vexo::udf
