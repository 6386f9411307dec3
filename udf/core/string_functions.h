#pragma once

// Text utilities callable from SQL: lengths, substrings, condition splitting and code tables.

#include <cstdint>
#include <string>
#include <string_view>

namespace vexo::udf {

std::int32_t strlen(std::string_view text);
std::string substr(std::string_view text, std::int32_t first, std::int32_t last);
std::string codlpu(std::string_view text, std::int32_t n);
std::string razd(std::string_view condition, std::int32_t mode);
std::string reform(std::string_view formula);
std::string mm(std::string_view code);
std::string vn(std::string_view code);

}  // namespace vexo::udf
