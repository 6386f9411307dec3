#pragma once

// Substitution of variable values into an expression, and evaluation of the arithmetic text.

#include <string>
#include <string_view>

namespace vexo::udf {

// Replaces each name of the "$"-list `names` by the value at the same place in `values`, once,
// at its first occurrence after the previous replacement.
std::string calc_expression(std::string_view expression, std::string_view names, std::string_view values);

// Evaluates + - * / and parentheses; never reports bad syntax, division by zero gives 0.
// The result is rounded to two decimals. Throws Failure on floating overflow or when the value
// cannot be rounded.
double calc_expression2(std::string_view expression);

// x rounded to two decimals; exact halves of a hundredth go up. Throws Failure when x * 100 is
// outside the 64-bit integer range.
double round2(double x);

}  // namespace vexo::udf
