#pragma once

// Upper-casing by the rules of code page 1251: Latin, Russian and the other Cyrillic letters.

#include <string>
#include <string_view>

namespace vexo::udf {

char upper_cp1251(char ch);
std::string upper_case(std::string_view text);

}  // namespace vexo::udf
