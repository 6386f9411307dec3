#pragma once

// One component (year, institution, form, table, row, column or sign) of a cell reference.

#include <cstdint>
#include <string>
#include <string_view>

namespace vexo::udf {

// p: the cycle step (1-based) for row, column and institution fields, the reporting year for god;
// q: the 1-based number of the term within a term list.
// Throws Failure when the element asked for needs an integer the reference does not hold.
std::string coord(std::string_view variable, std::string_view component, std::int32_t p, std::int32_t q);

}  // namespace vexo::udf
