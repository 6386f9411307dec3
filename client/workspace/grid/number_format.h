#pragma once

#include "fb/value.h"

#include <QString>
#include <QVariant>

namespace vexo::grid {

// Display of a numeric grid column with `decimals` places: exactly that many
// decimals, a zero shows as an empty cell, negatives carry a minus sign
// (-1.50). A value that is not zero but rounds to zero shows as 0, never
// empty. Rounding is half away from zero on the exact value.
QString formatNumber(const fb::Numeric& value, int decimals);
// The same for whatever a numeric field holds (null shows empty).
QString formatNumber(const QVariant& value, int decimals);

// Places from COLUMNS.DECIMAL_FM: empty or not a digit means 0.
int decimalPlaces(const QString& decimalFm);

}  // namespace vexo::grid
