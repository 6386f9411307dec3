#pragma once

// Byte-string helpers with 1-based positions. Texts are Windows-1251, one byte per character.
// Every helper accepts any position or count without reading outside the text.

#include <cstdint>
#include <string>
#include <string_view>

namespace vexo::udf {

// Substring(s, start, count): a start below 1 counts as 1 (count unchanged); a start past the end
// or a negative count gives the empty text; count is cut at the end of s.
std::string_view substring(std::string_view s, std::int64_t start, std::int64_t count);

// Delete(s, start, count): a start outside 1..length leaves s unchanged; count is cut at the end.
void delete_chars(std::string& s, std::int64_t start, std::int64_t count);

// Position of the first occurrence of pattern starting at or after `from`; 0 if none.
// An empty pattern is never found.
std::int64_t find_from(std::string_view pattern, std::string_view s, std::int64_t from);

// Occurrences at or after `from`, each search resuming one character after the previous hit.
std::int64_t count_from(std::string_view pattern, std::string_view s, std::int64_t from);

// Position of the n-th occurrence from the start; 0 if n < 1 or there are fewer.
std::int64_t nth_pos(std::string_view pattern, std::string_view s, std::int64_t n);

// Position (from the start) of the n-th occurrence counted from the end, found by searching
// the reversed text; 0 if n < 1 or there are fewer.
std::int64_t nth_pos_back(std::string_view pattern, std::string_view s, std::int64_t n);

// Item n of a "$"-terminated list; empty when n is out of range.
std::string_view list_item(std::string_view list, std::int64_t n);

// Character at 1-based position i; past either end it is '\0', which belongs to no class.
inline char char_at(std::string_view s, std::int64_t i) {
    return i >= 1 && i <= static_cast<std::int64_t>(s.size()) ? s[static_cast<std::size_t>(i - 1)] : '\0';
}

inline bool is_digit(char ch) { return ch >= '0' && ch <= '9'; }

inline bool contains(std::string_view s, char ch) { return s.find(ch) != std::string_view::npos; }

inline bool contains_any(std::string_view s, std::string_view chars) {
    return s.find_first_of(chars) != std::string_view::npos;
}

inline std::int64_t length(std::string_view s) { return static_cast<std::int64_t>(s.size()); }

// Cyrillic capitals that carry meaning in references and conditions.
inline constexpr char kCyrillicPe = '\xCF';   // П: row range / row field
inline constexpr char kCyrillicEn = '\xCD';   // Н: column range / column field
inline constexpr char kCyrillicKha = '\xD5';  // Х: multiplication sign written as a letter

}  // namespace vexo::udf
