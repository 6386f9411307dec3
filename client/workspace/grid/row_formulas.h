#pragma once

#include "fb/value.h"

#include <QString>

#include <functional>
#include <optional>

namespace vexo::data {
class Dataset;
}

namespace vexo::grid {

class TableColumns;

// How a cell's value enters a formula: a general number of at most 11
// significant digits, without trailing zeros ("12.5", "-3", "1.2345678901E15").
QString formatFormulaOperand(const fb::Numeric& value);

// The formula with every "[name]" replaced by that field's value as above;
// `valueOf` gives the number of a field (empty cells read as 0) and throws
// for an unknown field.
QString substituteOperands(const QString& formula, const std::function<fb::Numeric(const QString& field)>& valueOf);

// Recomputes every formula column of the dataset's current row, left to
// right, so that a formula sees the results of the formulas before it.
// Only a row being edited or inserted is touched. A division by zero leaves
// the cell empty; a broken formula raises an AppError naming the column.
void applyRowFormulas(data::Dataset& dataset, const TableColumns& columns);

}  // namespace vexo::grid
