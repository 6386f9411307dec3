// Thin adapters between the server's calling convention and the core functions. Nothing may
// escape to the server: a failure becomes a result the server turns into a statement error.

#include "exports.h"

#include <cstdint>
#include <exception>
#include <limits>
#include <new>
#include <string>
#include <string_view>

#include "core/coord.h"
#include "core/cycles.h"
#include "core/evaluator.h"
#include "core/failure.h"
#include "core/string_functions.h"
#include "core/variables.h"
#include "result_buffer.h"

namespace {

using vexo::udf::Failure;

// The server passes empty texts and zeros for NULL; a null pointer is read the same way.
std::string text_arg(const char* text) { return text == nullptr ? std::string() : std::string(text); }
std::int32_t int_arg(const int* value) { return value == nullptr ? 0 : *value; }

template <typename Compute>
char* text_result(std::string_view function, Compute&& compute) noexcept {
    try {
        return vexo::udf::to_result(compute());
    } catch (const Failure& failure) {
        return vexo::udf::failure_result(function, failure.what());
    } catch (const std::bad_alloc&) {
        return vexo::udf::failure_result(function, "out of memory");
    } catch (...) {
        return vexo::udf::failure_result(function, "internal error");
    }
}

template <typename Compute>
int int_result(Compute&& compute) noexcept {
    try {
        return compute();
    } catch (...) {
        return 0;  // an INTEGER result has no way to fail the statement
    }
}

}  // namespace

char* vexo_udf_substr(const char* text, const int* first, const int* last) {
    return text_result("substr", [&] { return vexo::udf::substr(text_arg(text), int_arg(first), int_arg(last)); });
}

char* vexo_udf_codlpu(const char* text, const int* n) {
    return text_result("codlpu", [&] { return vexo::udf::codlpu(text_arg(text), int_arg(n)); });
}

char* vexo_udf_razd(const char* condition, const int* mode) {
    return text_result("razd", [&] { return vexo::udf::razd(text_arg(condition), int_arg(mode)); });
}

char* vexo_udf_reform(const char* formula) {
    return text_result("reform", [&] { return vexo::udf::reform(text_arg(formula)); });
}

char* vexo_udf_mm(const char* code) {
    return text_result("mm", [&] { return vexo::udf::mm(text_arg(code)); });
}

char* vexo_udf_vn(const char* code) {
    return text_result("vn", [&] { return vexo::udf::vn(text_arg(code)); });
}

char* vexo_udf_calc_expression(const char* expression, const char* names, const char* values) {
    return text_result("calc_expression", [&] {
        return vexo::udf::calc_expression(text_arg(expression), text_arg(names), text_arg(values));
    });
}

double vexo_udf_calc_expression2(const char* expression) {
    // The server fails the statement on an infinite result ("floating point overflow") and on NaN
    // ("invalid floating point value").
    try {
        return vexo::udf::calc_expression2(text_arg(expression));
    } catch (const Failure& failure) {
        return failure.kind() == Failure::Kind::overflow ? std::numeric_limits<double>::infinity()
                                                         : std::numeric_limits<double>::quiet_NaN();
    } catch (...) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

char* vexo_udf_vars(const char* text) {
    return text_result("vars", [&] { return vexo::udf::vars(text_arg(text)); });
}

int vexo_udf_numvars(const char* list) {
    return int_result([&] { return vexo::udf::numvars(text_arg(list)); });
}

char* vexo_udf_getvar(const char* list, const int* n) {
    return text_result("getvar", [&] { return vexo::udf::getvar(text_arg(list), int_arg(n)); });
}

char* vexo_udf_coord(const char* variable, const char* component, const int* p, const int* q) {
    return text_result("coord", [&] {
        return vexo::udf::coord(text_arg(variable), text_arg(component), int_arg(p), int_arg(q));
    });
}

int vexo_udf_numcycle(const char* variable) {
    return int_result([&] { return vexo::udf::numcycle(text_arg(variable)); });
}

int vexo_udf_numvarcycle(const char* variable) {
    return int_result([&] { return vexo::udf::numvarcycle(text_arg(variable)); });
}
