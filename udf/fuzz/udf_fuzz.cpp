// libFuzzer target: arbitrary bytes and integers into every core function and every entry point.
//
// Input layout: four integers, then up to four texts separated by zero bytes. An integer is one
// byte b < 0x80 meaning b - 8 (small positions, modes and steps), or 0x80..0xFF followed by four
// raw little-endian bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/coord.h"
#include "core/cycles.h"
#include "core/evaluator.h"
#include "core/failure.h"
#include "core/string_functions.h"
#include "core/text.h"
#include "core/variables.h"
#include "exports.h"
#include "result_buffer.h"

namespace {

namespace udf = vexo::udf;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::int32_t integer() {
        if (pos_ >= size_) return 0;
        const std::uint8_t b = data_[pos_++];
        if (b < 0x80) return static_cast<std::int32_t>(b) - 8;
        std::uint32_t raw = 0;
        for (int i = 0; i < 4 && pos_ < size_; ++i) raw |= static_cast<std::uint32_t>(data_[pos_++]) << (8 * i);
        return static_cast<std::int32_t>(raw);
    }

    std::string text() {
        std::string out;
        while (pos_ < size_ && data_[pos_] != 0) out += static_cast<char>(data_[pos_++]);
        if (pos_ < size_) ++pos_;  // the separator
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void check(bool condition) {
    if (!condition) std::abort();
}

template <typename Call>
void allowing_failure(Call&& call) {
    try {
        call();
    } catch (const udf::Failure&) {
    }
}

constexpr const char* kComponents[] = {"znak", "god", "lpu", "form", "tbl", "row", "col"};

void core_calls(const std::string& s0, const std::string& s1, const std::string& s2, std::int32_t a,
                std::int32_t b, std::int32_t p, std::int32_t q) {
    check(udf::strlen(s0) == static_cast<std::int32_t>(s0.size()));
    check(udf::substr(s0, a, b).size() <= s0.size());
    check(udf::codlpu(s0, a).size() <= 4);
    for (const std::int32_t mode : {a, -1, 0, 1, 2, 3}) (void)udf::razd(s0, mode);
    check(udf::reform(s0).size() <= s0.size());
    (void)udf::mm(s0);
    (void)udf::vn(s0);

    const std::string substituted = udf::calc_expression(s0, s1, s2);
    allowing_failure([&] { check(std::isfinite(udf::calc_expression2(s0))); });
    allowing_failure([&] { check(std::isfinite(udf::calc_expression2(substituted))); });

    const std::string list = udf::vars(s0);
    check(!list.empty() && list.back() == '$');
    const std::int32_t count = udf::numvars(list);
    check(count >= 1);
    (void)udf::getvar(list, a);

    allowing_failure([&] { (void)udf::coord(s0, s1, p, q); });
    for (const char* component : kComponents) allowing_failure([&] { (void)udf::coord(s0, component, p, q); });
    check(udf::numcycle(s0) >= 0);
    check(udf::numvarcycle(s0) >= 0);

    // The way the database procedures chain the functions: split, list, then take each variable apart.
    const std::string normalised = udf::reform(s0);
    const std::string left = udf::vars(udf::razd(normalised, 1));
    for (std::int32_t n = 1, last = std::min(udf::numvars(left), 8); n <= last; ++n) {
        const std::string variable = udf::getvar(left, n);
        (void)udf::numcycle(variable);
        (void)udf::numvarcycle(variable);
        for (const char* component : kComponents) allowing_failure([&] { (void)udf::coord(variable, component, p, q); });
    }
}

void take_text(char* result, bool may_fail) {
    check(result != nullptr);
    const std::size_t length = std::strlen(result);
    if (length == udf::kFailureResultLength) check(may_fail);
    std::free(result);
}

void entry_point_calls(const std::string& s0, const std::string& s1, const std::string& s2, std::int32_t a,
                       std::int32_t b, std::int32_t p, std::int32_t q) {
    check(vexo_udf_strlen(s0.c_str()) == static_cast<int>(s0.size()));
    take_text(vexo_udf_substr(s0.c_str(), &a, &b), false);
    take_text(vexo_udf_codlpu(s0.c_str(), &a), false);
    take_text(vexo_udf_razd(s0.c_str(), &a), false);
    take_text(vexo_udf_reform(s0.c_str()), false);
    take_text(vexo_udf_mm(s0.c_str()), false);
    take_text(vexo_udf_vn(s0.c_str()), false);
    take_text(vexo_udf_calc_expression(s0.c_str(), s1.c_str(), s2.c_str()), false);
    const double value = vexo_udf_calc_expression2(s0.c_str());
    check(!std::isinf(value) || value > 0);
    take_text(vexo_udf_vars(s0.c_str()), false);
    (void)vexo_udf_numvars(s0.c_str());
    take_text(vexo_udf_getvar(s0.c_str(), &a), false);
    take_text(vexo_udf_coord(s0.c_str(), s1.c_str(), &p, &q), true);
    (void)vexo_udf_numcycle(s0.c_str());
    (void)vexo_udf_numvarcycle(s0.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const std::int32_t a = input.integer();
    const std::int32_t b = input.integer();
    const std::int32_t p = input.integer();
    const std::int32_t q = input.integer();
    const std::string s0 = input.text();
    const std::string s1 = input.text();
    const std::string s2 = input.text();

    core_calls(s0, s1, s2, a, b, p, q);
    entry_point_calls(s0, s1, s2, a, b, p, q);
    // The core also takes texts with zero bytes inside, which the server can never pass.
    const std::string raw(reinterpret_cast<const char*>(data), size);
    core_calls(raw, s1, s2, a, b, p, q);
    return 0;
}
