#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vexo::data {

// The database and every file for people or other installations speak
// Windows-1251; the program speaks QString. These two functions are the border.
QString fromCp1251(std::string_view bytes);
// Characters without a Windows-1251 form become '?'; ok (when given) tells whether any did.
std::string toCp1251(const QString& text, bool* ok = nullptr);

}  // namespace vexo::data
