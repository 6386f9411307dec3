#pragma once

#include "fb/value.h"

#include <QString>

#include <optional>

namespace vexo::workspace {

// The number typed to be added to a cell (F3): "12", "-3,5", "0.25";
// nullopt for anything that is not a number.
std::optional<fb::Numeric> parseAddend(const QString& text);

// The cell's value (null reads as 0) plus the addend, rounded to the
// field's scale; nullopt when the sum does not fit the field.
std::optional<fb::Numeric> addToValue(const fb::Value& current, const fb::Numeric& addend, int scale);

}  // namespace vexo::workspace
