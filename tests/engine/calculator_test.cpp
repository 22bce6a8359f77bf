#include <gtest/gtest.h>

#include "tests/engine/sequence_case.h"

namespace sumora::testing {
namespace {

TEST(CalculatorOperators, ChainsEvaluateLeftToRight) {
    constexpr SequenceCase cases[] = {
        {"start", "", "0", "", ""},
        {"worked chain", "2 + 3 x 4 =", "20", "=", ""},
        {"worked chain, after x", "2 + 3 x", "5", "x", ""},
        {"worked chain, second number", "2 + 3 x 4", "4", "x", ""},
        {"half rounds away from zero", "7 / 2 =", "4", "=", ""},
        {"third rounds down", "1 / 3 =", "0", "=", ""},
        {"two thirds round up", "2 / 3 =", "1", "=", ""},
        {"negative half", "5 - 7.5 =", "-3", "=", ""},
        {"power", "2 ^ 10 =", "1,024", "=", ""},
        {"power with a fraction", "2 ^ 0.5 =", "1", "=", ""},
        {"negative divisor", "10 / 2 +- =", "-5", "=", ""},
        {"grouped result read back", "1000 x 1000 + 1 =", "1,000,001", "=", ""},
        {"new operator applies the pending one", "6 + 2 - 3 =", "5", "=", ""},
        {"power after product", "2 x 3 ^ 2 =", "36", "=", ""},
        {"square root", "9 Sqr", "3", "Sqr", ""},
        {"irrational root", "2 Sqr", "1.4142135623731", "Sqr", ""},
        {"root of zero", "0 Sqr", "0", "Sqr", ""},
        {"root keeps the pending operation", "7 + 9 Sqr =", "10", "=", ""},
        {"same operator twice", "2 + 3 + +", "10", "+", ""},
        {"operator after equals starts a chain", "2 + 3 = x 4 =", "20", "=", ""},
        {"equals twice", "2 + 3 = =", "5", "=", ""},
        {"equals with no operator", "8 =", "8", "=", ""},
        {"digit after equals", "2 + 3 = 1 2", "12", "", ""},
        {"pi in a sum", "2 + pi =", "5", "=", ""},
    };
    expectLabels(cases);
}

// The left operand is the shown value at the first operator, at the start of each new number and
// after each evaluation, never a result left over from before.
TEST(CalculatorOperators, LeftOperandIsNeverStale) {
    constexpr SequenceCase cases[] = {
        {"equals right after an operator", "5 - =", "0", "=", ""},
        {"product of a number with itself", "3 x x", "9", "x", ""},
        {"sum of a number with itself", "5 + =", "10", "=", ""},
        {"repeat after a zero result", "2 - 2 - -", "0", "-", ""},
        {"sign changed after an operator", "2 + 3 x +- 4 =", "-20", "=", ""},
        {"root after an operator", "2 + 3 x Sqr 2 =", "4", "=", ""},
        {"pi after an operator", "2 + pi 5 =", "8", "=", ""},
        {"recall after an operator", "7 Mre 2 + 3 x Mdis 2 =", "14", "=", "7"},
    };
    expectLabels(cases);
}

// A point that starts the new number carries the shown value as the left operand.
TEST(CalculatorOperators, PointStartingANumberKeepsTheLeftOperand) {
    constexpr SequenceCase cases[] = {
        {"point then digit", "5 + . 5 =", "6", "=", ""},
        {"display before the digit", "5 + .", "0", "+", ""},
        {"display after the digit", "5 + . 5", "0.5", "+", ""},
        {"point twice", "5 + . . 5 =", "6", "=", ""},
        {"sign of the new number", "5 + . 5 +- =", "5", "=", ""},
        {"point then operator", "5 + . x 3 =", "15", "=", ""},
        {"point after equals", "2 + 3 = . 5", "0.5", "", ""},
    };
    expectLabels(cases);
}

}  // namespace
}  // namespace sumora::testing
