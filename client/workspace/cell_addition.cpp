#include "cell_addition.h"

#include "workspace/grid/decimal.h"

#include <stdexcept>

namespace vexo::workspace {

namespace {
constexpr int kMaxTypedScale = 9;
}

std::optional<fb::Numeric> parseAddend(const QString& text) {
    const std::string typed = text.trimmed().toStdString();
    if (typed.empty()) return std::nullopt;
    // The smallest scale that keeps every typed digit.
    for (int scale = 0; scale <= kMaxTypedScale; ++scale) {
        fb::Numeric n;
        if (fb::Numeric::parse(typed, scale, n)) return n;
    }
    return std::nullopt;
}

std::optional<fb::Numeric> addToValue(const fb::Value& current, const fb::Numeric& addend, int scale) {
    grid::Decimal value;
    if (auto n = std::get_if<fb::Numeric>(&current.storage())) value = grid::Decimal::fromNumeric(*n);
    else if (auto i = std::get_if<std::int64_t>(&current.storage())) value = grid::Decimal::fromInt(*i);
    else if (auto d = std::get_if<double>(&current.storage())) {
        fb::Numeric parsed;
        if (!fb::Numeric::parse(std::to_string(*d), 6, parsed)) return std::nullopt;
        value = grid::Decimal::fromNumeric(parsed);
    }
    try {
        return (value + grid::Decimal::fromNumeric(addend)).toNumeric(scale);
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

}  // namespace vexo::workspace
