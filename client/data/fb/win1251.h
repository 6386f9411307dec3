#pragma once

#include <string>
#include <string_view>

namespace vexo::fb {

// Windows-1251 is the character set of the database and of every file written
// for people or other installations. Conversions happen at the boundaries only.

// Bytes that have no Windows-1251 form are replaced by '?'.
std::string utf8ToWin1251(std::string_view utf8);
// Strict variant: returns false (and leaves out untouched) when a character has no Windows-1251 form.
bool tryUtf8ToWin1251(std::string_view utf8, std::string& out);
std::string win1251ToUtf8(std::string_view cp1251);

}  // namespace vexo::fb
