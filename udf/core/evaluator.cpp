#include "core/evaluator.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/expression_scanner.h"
#include "core/failure.h"

namespace vexo::udf {
namespace {

// The grammar is the usual recursive descent (expression -> term -> factor -> "(" expression ")"),
// run on an explicit stack: nesting depth is bounded only by the text length, and a server thread
// must not run out of stack on a long run of "(".
//
// A factor that finds neither a number nor "(" yields 0; so does a sign followed by nothing usable
// ("2+" is 2, "2*" is 0, "2/" divides by zero and gives 0).

struct Level {  // one parenthesised expression being evaluated
    double expr_value = 0;
    double term_value = 0;
    Token expr_sign = Token::plus;
    Token expr_after_sign = Token::end;  // kind of the token that followed the sign
    Token term_sign = Token::times;
    Token term_after_sign = Token::end;
    unsigned char expr_stage = 0;  // 0: first term; 1: term after a sign; 2: term after "sign -"
    unsigned char term_stage = 0;  // the same for the factors of the current term
};

class LevelStack {
public:
    Level& top() { return depth_ <= kInline ? inline_[depth_ - 1] : deep_.back(); }
    void push() {
        if (depth_ < kInline) {
            inline_[depth_] = Level{};
        } else {
            deep_.emplace_back();
        }
        ++depth_;
    }
    void pop() {
        if (depth_ > kInline) deep_.pop_back();
        --depth_;
    }
    bool empty() const { return depth_ == 0; }

private:
    static constexpr std::size_t kInline = 16;
    Level inline_[kInline];
    std::vector<Level> deep_;
    std::size_t depth_ = 0;
};

// After "sign -" the minus negates the next operand, unless the sign was followed by an operand.
bool starts_operand(Token kind) { return kind == Token::number || kind == Token::open || kind == Token::close; }

double checked(double value) {
    if (!std::isfinite(value)) throw Failure(Failure::Kind::overflow, "floating overflow");
    return value;
}

double apply_term_sign(double v, Token sign, double r) {
    if (sign == Token::times) return checked(v * r);
    return r != 0 ? checked(v / r) : 0.0;
}

double evaluate(std::string_view text) {
    ExpressionScanner scanner(text);
    scanner.next();
    LevelStack levels;
    levels.push();

    enum class Resume { factor, after_factor, after_term, after_expression };
    Resume at = Resume::factor;
    double value = 0;  // result of the factor, term or expression just finished

    for (;;) {
        switch (at) {
            case Resume::factor:
                if (scanner.token() == Token::number) {
                    value = scanner.number();
                    scanner.next();
                    at = Resume::after_factor;
                } else if (scanner.token() == Token::open) {
                    scanner.next();
                    levels.push();
                } else {
                    value = 0;
                    at = Resume::after_factor;
                }
                break;

            case Resume::after_factor: {
                Level& level = levels.top();
                if (level.term_stage == 0) {
                    level.term_value = value;
                } else if (level.term_stage == 1 && !starts_operand(level.term_after_sign) &&
                           scanner.token() == Token::minus) {
                    scanner.next();
                    level.term_stage = 2;
                    at = Resume::factor;
                    break;
                } else {
                    const double r = level.term_stage == 2 ? -value : value;
                    level.term_value = apply_term_sign(level.term_value, level.term_sign, r);
                }
                if (scanner.token() == Token::times || scanner.token() == Token::divide) {
                    level.term_sign = scanner.token();
                    scanner.next();
                    level.term_after_sign = scanner.token();
                    level.term_stage = 1;
                    at = Resume::factor;
                    break;
                }
                value = level.term_value;
                at = Resume::after_term;
                break;
            }

            case Resume::after_term: {
                Level& level = levels.top();
                if (level.expr_stage == 0) {
                    level.expr_value = value;
                } else if (level.expr_stage == 1 && !starts_operand(level.expr_after_sign) &&
                           scanner.token() == Token::minus) {
                    scanner.next();
                    level.expr_stage = 2;
                    level.term_stage = 0;
                    at = Resume::factor;
                    break;
                } else {
                    const double r = level.expr_stage == 2 ? -value : value;
                    level.expr_value =
                        checked(level.expr_sign == Token::plus ? level.expr_value + r : level.expr_value - r);
                }
                if (scanner.token() == Token::plus || scanner.token() == Token::minus) {
                    level.expr_sign = scanner.token();
                    scanner.next();
                    level.expr_after_sign = scanner.token();
                    level.expr_stage = 1;
                    level.term_stage = 0;
                    at = Resume::factor;
                    break;
                }
                value = level.expr_value;
                at = Resume::after_expression;
                break;
            }

            case Resume::after_expression:
                levels.pop();
                if (levels.empty()) return value;
                // Back in the factor that opened the parenthesis; a missing ")" is accepted.
                if (scanner.token() == Token::close) scanner.next();
                at = Resume::after_factor;
                break;
        }
    }
}

}  // namespace

double round2(double x) {
    const double scaled = x * 100.0 + 0.001;
    // Both bounds are exact doubles: [-2^63, 2^63).
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0)) {
        throw Failure(Failure::Kind::cannot_round, "value out of range for rounding");
    }
    return static_cast<double>(std::llrint(scaled)) / 100.0;
}

double calc_expression2(std::string_view expression) { return round2(evaluate(expression)); }

}  // namespace vexo::udf
