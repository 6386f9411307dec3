#include "core/upper_case.h"

#include <array>
#include <cstdint>

namespace vexo::udf {
namespace {

constexpr std::array<unsigned char, 256> make_upper_table() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    for (int ch = 'a'; ch <= 'z'; ++ch) table[ch] = static_cast<unsigned char>(ch - 'a' + 'A');
    for (int ch = 0xE0; ch <= 0xFF; ++ch) table[ch] = static_cast<unsigned char>(ch - 0x20);  // а..я
    // Lower/upper pairs outside the two contiguous alphabets.
    constexpr std::uint8_t pairs[][2] = {
        {0x90, 0x80},  // ђ Ђ
        {0x83, 0x81},  // ѓ Ѓ
        {0x9A, 0x8A},  // љ Љ
        {0x9C, 0x8C},  // њ Њ
        {0x9D, 0x8D},  // ќ Ќ
        {0x9E, 0x8E},  // ћ Ћ
        {0x9F, 0x8F},  // џ Џ
        {0xA2, 0xA1},  // ў Ў
        {0xBC, 0xA3},  // ј Ј
        {0xB4, 0xA5},  // ґ Ґ
        {0xB8, 0xA8},  // ё Ё
        {0xBA, 0xAA},  // є Є
        {0xBF, 0xAF},  // ї Ї
        {0xB3, 0xB2},  // і І
        {0xBE, 0xBD},  // ѕ Ѕ
    };
    for (const auto& pair : pairs) table[pair[0]] = pair[1];
    return table;
}

constexpr auto kUpper = make_upper_table();

}  // namespace

char upper_cp1251(char ch) { return static_cast<char>(kUpper[static_cast<unsigned char>(ch)]); }

std::string upper_case(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = upper_cp1251(ch);
    return out;
}

}  // namespace vexo::udf
