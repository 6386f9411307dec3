#include "arithmetic.h"

namespace vexo::grid {

namespace {

class Parser {
public:
    explicit Parser(const QString& text) : s_(text) {}

    Decimal parse() {
        const Decimal v = expression();
        skipBlanks();
        if (pos_ < s_.size()) fail(QStringLiteral("лишний знак «%1»").arg(s_[pos_]));
        return v;
    }

private:
    [[noreturn]] void fail(const QString& why) const { throw FormulaSyntaxError(why); }

    void skipBlanks() {
        while (pos_ < s_.size() && s_[pos_].isSpace()) ++pos_;
    }

    // '-' and the typographic minus both subtract.
    bool take(QChar c) {
        skipBlanks();
        if (pos_ >= s_.size()) return false;
        const QChar here = s_[pos_];
        if (here == c || (c == '-' && here == QChar(0x2212))) {
            ++pos_;
            return true;
        }
        return false;
    }

    Decimal expression() {
        Decimal v = term();
        for (;;) {
            if (take('+')) v = v + term();
            else if (take('-')) v = v - term();
            else return v;
        }
    }

    Decimal term() {
        Decimal v = factor();
        for (;;) {
            if (take('*')) v = v * factor();
            else if (take('/')) v = v / factor();
            else return v;
        }
    }

    Decimal factor() {
        if (++depth_ > 200) fail(QStringLiteral("слишком глубокая вложенность"));
        Decimal v;
        if (take('-')) v = -factor();
        else if (take('+')) v = factor();
        else if (take('(')) {
            v = expression();
            if (!take(')')) fail(QStringLiteral("нет закрывающей скобки"));
        } else v = number();
        --depth_;
        return v;
    }

    Decimal number() {
        skipBlanks();
        __int128 units = 0;
        int scale = 0, digits = 0;
        bool point = false;
        const qsizetype start = pos_;
        for (; pos_ < s_.size(); ++pos_) {
            const QChar c = s_[pos_];
            if (c.isDigit() && c.unicode() < 128) {
                if (digits < 36) {
                    units = units * 10 + (c.unicode() - '0');
                    if (units != 0) ++digits;
                    if (point) ++scale;
                } else if (!point) {
                    throw std::overflow_error("number too large");
                }
            } else if ((c == '.' || c == ',') && !point) {
                point = true;
            } else {
                break;
            }
        }
        if (pos_ == start || (point && pos_ == start + 1))
            fail(pos_ < s_.size() ? QStringLiteral("ожидалось число, а не «%1»").arg(s_[pos_])
                                  : QStringLiteral("ожидалось число"));
        if (pos_ < s_.size() && (s_[pos_] == 'E' || s_[pos_] == 'e')) {
            ++pos_;
            bool negative = false;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) negative = s_[pos_++] == '-';
            int exponent = 0;
            const qsizetype expStart = pos_;
            while (pos_ < s_.size() && s_[pos_].isDigit() && s_[pos_].unicode() < 128 && exponent < 1000)
                exponent = exponent * 10 + (s_[pos_++].unicode() - '0');
            if (pos_ == expStart) fail(QStringLiteral("неверный порядок числа"));
            if (exponent > 40) {
                if (!negative) throw std::overflow_error("number too large");
                return Decimal();
            }
            scale += negative ? exponent : -exponent;
        }
        return Decimal(units, scale);
    }

    const QString& s_;
    qsizetype pos_ = 0;
    int depth_ = 0;
};

}  // namespace

std::optional<Decimal> evaluateArithmetic(const QString& expression) {
    try {
        return Parser(expression).parse();
    } catch (const std::domain_error&) {
        return std::nullopt;
    }
}

}  // namespace vexo::grid
