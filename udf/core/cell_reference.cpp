#include "core/cell_reference.h"

#include <array>

namespace vexo::udf {
namespace {

constexpr std::array<std::string_view, 7> kComponentNames = {"znak", "god", "lpu", "form", "tbl", "row", "col"};

// Field numbers by width (3, 4, 5 commas), in the order of Component; 0: no such field.
// znak reads the row field.
constexpr int kFieldNumbers[3][7] = {
    {3, 0, 0, 1, 2, 3, 4},
    {4, 1, 0, 2, 3, 4, 5},
    {5, 1, 2, 3, 4, 5, 6},
};

}  // namespace

std::optional<Component> find_component(std::string_view name) {
    for (std::size_t i = 0; i < kComponentNames.size(); ++i) {
        if (kComponentNames[i] == name) return static_cast<Component>(i);
    }
    return std::nullopt;
}

int field_number(Component component, std::int64_t commas) {
    if (commas < 3 || commas > 5) return 0;
    return kFieldNumbers[commas - 3][static_cast<int>(component)];
}

std::string_view field(std::string_view reference, std::int64_t f) {
    std::size_t start = 0;
    for (std::int64_t i = 1; i < f; ++i) {
        const std::size_t comma = reference.find(',', start);
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
    return reference.substr(start, reference.find(',', start) - start);
}

}  // namespace vexo::udf
