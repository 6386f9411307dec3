#pragma once

#include "decimal.h"

#include <QString>

#include <optional>
#include <stdexcept>

namespace vexo::grid {

// A formula text that is not an arithmetic expression.
class FormulaSyntaxError : public std::runtime_error {
public:
    explicit FormulaSyntaxError(const QString& what) : std::runtime_error(what.toStdString()), text_(what) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// Evaluates numbers (12, 3.5, 0,25, 1.2345678901E15), + - * /, unary signs
// and parentheses exactly. A division by zero has no value: nullopt.
// Throws FormulaSyntaxError on anything else, std::overflow_error on huge results.
std::optional<Decimal> evaluateArithmetic(const QString& expression);

}  // namespace vexo::grid
