#pragma once

// Test texts are written in UTF-8 and converted to the Windows-1251 bytes the library works on.

#include <stdexcept>
#include <string>
#include <string_view>

namespace vexo::udf::test {

inline std::string cp1251(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        if ((byte & 0xE0) != 0xC0 || i + 1 >= utf8.size()) throw std::invalid_argument("only 2-byte UTF-8 is mapped");
        const unsigned code = ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
        i += 2;
        if (code >= 0x410 && code <= 0x44F) {
            out += static_cast<char>(0xC0 + (code - 0x410));  // А..я
        } else if (code == 0x401) {
            out += '\xA8';  // Ё
        } else if (code == 0x451) {
            out += '\xB8';  // ё
        } else {
            throw std::invalid_argument("character without a Windows-1251 mapping in this helper");
        }
    }
    return out;
}

}  // namespace vexo::udf::test
