#include "core/text.h"

#include <algorithm>

namespace vexo::udf {

std::string_view substring(std::string_view s, std::int64_t start, std::int64_t count) {
    if (start < 1) start = 1;
    const std::int64_t len = length(s);
    if (start > len || count < 0) return {};
    count = std::min(count, len - start + 1);
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

void delete_chars(std::string& s, std::int64_t start, std::int64_t count) {
    const std::int64_t len = length(s);
    if (start < 1 || start > len || count <= 0) return;
    count = std::min(count, len - start + 1);
    s.erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

std::int64_t find_from(std::string_view pattern, std::string_view s, std::int64_t from) {
    if (pattern.empty() || pattern.size() > s.size()) return 0;
    if (from < 1) from = 1;
    const std::int64_t last_start = length(s) - length(pattern) + 1;
    if (from > last_start) return 0;
    const std::size_t hit = s.find(pattern, static_cast<std::size_t>(from - 1));
    return hit == std::string_view::npos ? 0 : static_cast<std::int64_t>(hit) + 1;
}

std::int64_t count_from(std::string_view pattern, std::string_view s, std::int64_t from) {
    std::int64_t count = 0;
    for (std::int64_t at = find_from(pattern, s, from); at != 0; at = find_from(pattern, s, at + 1)) ++count;
    return count;
}

std::int64_t nth_pos(std::string_view pattern, std::string_view s, std::int64_t n) {
    if (n < 1) return 0;
    std::int64_t at = 0;
    for (std::int64_t seen = 0; seen < n; ++seen) {
        at = find_from(pattern, s, at + 1);
        if (at == 0) return 0;
    }
    return at;
}

std::int64_t nth_pos_back(std::string_view pattern, std::string_view s, std::int64_t n) {
    const std::string reversed(s.rbegin(), s.rend());
    const std::int64_t b = nth_pos(pattern, reversed, n);
    return b == 0 ? 0 : length(s) - b + 1;
}

std::string_view list_item(std::string_view list, std::int64_t n) {
    const std::int64_t a = nth_pos("$", list, n - 1);
    const std::int64_t b = nth_pos("$", list, n);
    if (a < b) return substring(list, a + 1, b - a - 1);
    return {};
}

}  // namespace vexo::udf
