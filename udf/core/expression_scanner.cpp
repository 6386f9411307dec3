#include "core/expression_scanner.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "core/failure.h"
#include "core/text.h"

namespace vexo::udf {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Decimal value of digits[.digits]; `separator` is the index of "." or "," or npos.
double decimal_value(std::string_view digits, std::size_t separator) {
    // Up to 15 digits the mantissa and the power of ten are exact doubles, so one division is
    // correctly rounded.
    const std::size_t digit_count = digits.size() - (separator == std::string_view::npos ? 0 : 1);
    if (digit_count <= 15) {
        std::uint64_t mantissa = 0;
        for (const char ch : digits) {
            if (is_digit(ch)) mantissa = mantissa * 10 + static_cast<std::uint64_t>(ch - '0');
        }
        const std::size_t fraction = separator == std::string_view::npos ? 0 : digits.size() - separator - 1;
        return static_cast<double>(mantissa) / kPowersOfTen[fraction];
    }
    std::string text(digits);
    if (separator != std::string_view::npos) text[separator] = '.';
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Out of range is either too large (an integer part with a non-zero digit) or too small.
        const std::string_view whole = std::string_view(text).substr(0, separator);
        if (whole.find_first_not_of('0') != std::string_view::npos) {
            throw Failure(Failure::Kind::overflow, "number too large");
        }
        return 0;
    }
    return value;
}

}  // namespace

void ExpressionScanner::next() {
    const std::size_t size = text_.size();
    if (pos_ >= size) {
        token_ = Token::end;
        return;
    }
    while (pos_ < size && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    const char ch = pos_ < size ? text_[pos_] : '\0';
    switch (ch) {
        case '(': token_ = Token::open; break;
        case ')': token_ = Token::close; break;
        case '*': token_ = Token::times; break;
        case '+': token_ = Token::plus; break;
        case '-': token_ = Token::minus; break;
        case '/': token_ = Token::divide; break;
        default:
            if (is_digit(ch)) {
                read_number();
            } else {
                token_ = Token::end;
            }
            return;
    }
    ++pos_;
}

void ExpressionScanner::read_number() {
    const std::size_t size = text_.size();
    const std::size_t start = pos_;
    while (pos_ < size && is_digit(text_[pos_])) ++pos_;
    std::size_t separator = std::string_view::npos;
    if (pos_ < size && (text_[pos_] == '.' || text_[pos_] == ',')) {
        separator = pos_ - start;
        ++pos_;
        while (pos_ < size && is_digit(text_[pos_])) ++pos_;
    }
    number_ = decimal_value(text_.substr(start, pos_ - start), separator);
    token_ = Token::number;
}

}  // namespace vexo::udf
