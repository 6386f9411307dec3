#include <gtest/gtest.h>

#include <string>

#include "core/evaluator.h"
#include "core/failure.h"

namespace vexo::udf {
namespace {

TEST(UdfCalcExpression, ReplacesNamesInOrder) {
    struct Case {
        std::string expression, names, values, expected;
    };
    const Case cases[] = {
        {"A+B", "A$B$", "12.5$7$", "12.5+7"},
        {"A+B", "B$A$", "7$12.5$", "A+7"},  // A lies before the end of the first replacement
        {"A+B", "A$B$", "1$", "1+"},        // fewer values than names: the rest become empty
        {"A+B", "", "1$2$", "A+B"},
        {"A+B", "$B$", "1$2$", "A+2"},      // an empty name is never found
        {"A+A", "A$A$", "1$2$", "1+2"},     // each name once, at its first occurrence
        {"AB+A", "A$", "x$", "xB+A"},
        {"A+B", "A$B$", "B$1$", "B+1"},     // a value never takes part in a later match
        {"A+B", "A$B", "1$2$", "1+B"},      // only "$"-terminated names count
        {"A*A", "A$C$A$", "1$2$3$", "1*3"}, // a missing name leaves the search position alone
        {"", "A$", "1$", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calc_expression(c.expression, c.names, c.values), c.expected)
            << c.expression << " | " << c.names << " | " << c.values;
    }
}

TEST(UdfCalcExpression2, EvaluatesArithmetic) {
    struct Case {
        std::string expression;
        double expected;
    };
    const Case cases[] = {
        {"1/3", 0.33},
        {"2/3", 0.67},
        {"(1+2)*3", 9},
        {"2+3*4", 14},
        {"10-4-3", 3},  // left to right
        {"8/4/2", 1},
        {"2*3/4", 1.5},
        {"0.1+0.2", 0.3},
        {"1,5*2", 3},    // comma as decimal separator
        {"1.", 1},
        {"0.005", 0.01},
        {" 1 +\t2 ", 3},
        {"\t2\t*\t3", 6},
        {"", 0},
        {"((((2))))", 2},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(calc_expression2(c.expression), c.expected) << c.expression;
}

TEST(UdfCalcExpression2, UnaryMinusAndSigns) {
    struct Case {
        std::string expression;
        double expected;
    };
    const Case cases[] = {
        {"-5", -5},
        {"+5", 5},
        {"2*(-5)", -10},
        {"2+-3*4", -10},  // the minus negates the whole following term
        {"2*-3", -6},     // ... or the following factor after * and /
        {"2--3", 5},
        {"-2*3", -6},
        {"-(2+3)", -5},
        {"(-2)*3", -6},
        {"8/-2", -4},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(calc_expression2(c.expression), c.expected) << c.expression;
}

TEST(UdfCalcExpression2, DivisionByZeroZeroesTheTerm) {
    struct Case {
        std::string expression;
        double expected;
    };
    const Case cases[] = {
        {"10/0", 0}, {"10/0+5", 5}, {"2*3/0*4+1", 1}, {"3/(1-1)", 0}, {"5+10/0", 5},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(calc_expression2(c.expression), c.expected) << c.expression;
}

TEST(UdfCalcExpression2, StopsWhereNoRuleContinues) {
    struct Case {
        std::string expression;
        double expected;
    };
    const Case cases[] = {
        {"2 3", 2},
        {"1)+2", 1},
        {"(1+2", 3},  // a missing ")" is accepted
        {"(2", 2},
        {"2a+3", 2},  // a character outside the alphabet stops the evaluation
        {"a+3", 0},
        {"1.5.5", 1.5},
        {".5", 0},
        {"1\n+2", 1},
        // A sign without an operand takes 0 in its place.
        {"2+", 2},
        {"2*", 0},
        {"2/", 0},
        {"2+ ", 2},
        {"2*+3", 3},  // 2*0, then +3
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(calc_expression2(c.expression), c.expected) << c.expression;
}

TEST(UdfCalcExpression2, DeepNestingDoesNotExhaustTheStack) {
    const std::size_t depth = 200000;
    EXPECT_DOUBLE_EQ(calc_expression2(std::string(depth, '(') + "1+2" + std::string(depth, ')')), 3);
    EXPECT_DOUBLE_EQ(calc_expression2(std::string(depth, '(') + "4"), 4);
    EXPECT_DOUBLE_EQ(calc_expression2(std::string(depth, '-') + "1"), 1);
}

TEST(UdfCalcExpression2, FailsOnOverflowAndUnroundableValues) {
    const std::string big = "1" + std::string(200, '0');    // 1e200
    const std::string tiny = "0." + std::string(199, '0') + "1";  // 1e-200
    struct Case {
        std::string expression;
        Failure::Kind kind;
    };
    const Case cases[] = {
        {"1" + std::string(400, '0'), Failure::Kind::overflow},  // the number itself
        {big + "*" + big, Failure::Kind::overflow},
        {big + "/" + tiny, Failure::Kind::overflow},
        {big + "*" + big + "*0", Failure::Kind::overflow},  // an overflow is not undone later
        {"100000000000000000", Failure::Kind::cannot_round},  // 1e17 * 100 exceeds int64
        {"-100000000000000000", Failure::Kind::cannot_round},
    };
    for (const auto& c : cases) {
        try {
            calc_expression2(c.expression);
            ADD_FAILURE() << "no failure for " << c.expression.substr(0, 40);
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.kind(), c.kind) << c.expression.substr(0, 40);
        }
    }
    EXPECT_DOUBLE_EQ(calc_expression2(tiny), 0);  // too small is just zero
    EXPECT_DOUBLE_EQ(calc_expression2("90000000000000000"), 9e16);
}

TEST(UdfRound2, RoundsHalvesOfAHundredthUp) {
    struct Case {
        double x, expected;
    };
    const Case cases[] = {
        {0.125, 0.13}, {-0.125, -0.12}, {0.005, 0.01}, {1.0 / 3, 0.33}, {2.5, 2.5},
        {0.0049, 0},   {-0.0049, 0},    {12.345, 12.35}, {-2.675, -2.67}, {0, 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(round2(c.x), c.expected) << c.x;
}

}  // namespace
}  // namespace vexo::udf
