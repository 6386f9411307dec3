#pragma once

// Tokens of an arithmetic text: numbers (with "." or "," as decimal separator), + - * / ( ).

#include <cstddef>
#include <string_view>

namespace vexo::udf {

enum class Token : unsigned char { number, plus, minus, times, divide, open, close, end };

class ExpressionScanner {
public:
    explicit ExpressionScanner(std::string_view text) : text_(text) {}

    // Reads the next token. A character outside the alphabet yields `end` without being
    // consumed, so evaluation stops there with the value accumulated so far.
    void next();

    Token token() const { return token_; }
    double number() const { return number_; }

private:
    void read_number();

    std::string_view text_;
    std::size_t pos_ = 0;
    Token token_ = Token::end;
    double number_ = 0;
};

}  // namespace vexo::udf
