#pragma once

// Fields of a comma-separated cell reference and the components coord can extract from it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vexo::udf {

enum class Component { znak, god, lpu, form, tbl, row, col };

// The component named by `name` ("znak", "god", "lpu", "form", "tbl", "row", "col").
std::optional<Component> find_component(std::string_view name);

// 1-based field holding the component in a reference with `commas` commas; 0 when that width
// has no such field (or the width is not 3, 4 or 5).
int field_number(Component component, std::int64_t commas);

// Field f (1-based): the text between comma f - 1 and comma f, to the end for the last field.
std::string_view field(std::string_view reference, std::int64_t f);

// Characters that make a field a term list (a sum of several cells).
inline constexpr char kTermListChars[] = {'+', '-', '*', '/', '\xCF', '\xCD'};
inline constexpr std::string_view kTermListMarks(kTermListChars, sizeof kTermListChars);

// Characters that make a field a cycle list.
inline constexpr std::string_view kCycleMarks = ".:";

}  // namespace vexo::udf
