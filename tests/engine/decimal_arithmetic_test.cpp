#include <gtest/gtest.h>

#include <string_view>

#include "engine/decimal.h"
#include "engine/number_text.h"
#include "tests/engine/decimal_from_text.h"

namespace sumora {
namespace {

constexpr std::string_view maxText = "79228162514264337593543950335";

enum class Op { add, subtract, multiply, divide };

struct ArithmeticCase {
    std::string_view name;
    std::string_view a;
    Op op;
    std::string_view b;
    std::string_view want;  // plain text of the result, or empty on failure
    DecimalStatus status = DecimalStatus::ok;
};

Checked<Decimal> compute(Op op, const Decimal& a, const Decimal& b) {
    switch (op) {
        case Op::add:
            return add(a, b);
        case Op::subtract:
            return subtract(a, b);
        case Op::multiply:
            return multiply(a, b);
        case Op::divide:
            return divide(a, b);
    }
    return {};
}

// Expected values with 28 or 29 digits were checked with an arbitrary-precision calculator.
constexpr ArithmeticCase arithmeticCases[] = {
    {"small sum", "7", Op::add, "5", "12"},
    {"sum aligns scales", "1.5", Op::add, "0.25", "1.75"},
    {"sum of opposite signs", "-10", Op::add, "2.5", "-7.5"},
    {"sum cancels to zero", "-2.5", Op::add, "2.5", "0"},
    {"maximum plus one overflows", maxText, Op::add, "1", "", DecimalStatus::overflow},
    {"minimum minus one overflows", "-79228162514264337593543950335", Op::subtract, "1", "",
     DecimalStatus::overflow},
    {"maximum plus a small fraction rounds back to it", maxText, Op::add, "0.4", maxText},
    {"maximum plus a half rounds to even, beyond range", maxText, Op::add, "0.5", "",
     DecimalStatus::overflow},
    {"maximum minus one", maxText, Op::subtract, "1", "79228162514264337593543950334"},
    {"sum that needs 29 digits loses the last decimal, half to even",
     "1.0000000000000000000000000005", Op::add, "9", "10"},
    {"sum that needs 29 digits loses the last decimal, half to odd neighbour up",
     "1.0000000000000000000000000015", Op::add, "9", "10.000000000000000000000000002"},
    {"difference", "3", Op::subtract, "5", "-2"},
    {"difference of equal values", "1,234", Op::subtract, "1234", "0"},
    {"product", "2.5", Op::multiply, "-4", "-10"},
    {"maximum times minus one", maxText, Op::multiply, "-1", "-79228162514264337593543950335"},
    {"maximum times two overflows", maxText, Op::multiply, "2", "", DecimalStatus::overflow},
    {"product with 56 decimals rounds to 28", "0.0000000000000015", Op::multiply,
     "0.0000000000000015", "0"},
    {"product scale above 28 rounds half to even", "0.00000000000005", Op::multiply,
     "0.000000000000005", "0.0000000000000000000000000002"},
    // 2.5000100000000e-28: the tie digit 5 is followed by a non-zero digit nine places further.
    {"product: a distant non-zero digit breaks the tie upwards", "0.00000000000005", Op::multiply,
     "0.000000000000005000020000000", "0.0000000000000000000000000003"},
    {"product: negative tie rounds to even", "-0.00000000000005", Op::multiply, "0.000000000000007",
     "-0.0000000000000000000000000004"},
    {"product needing more than 96 bits is rounded", "1.2345678901234567890123456789", Op::multiply,
     "1.2345678901234567890123456789", "1.5241578753238836750495351563"},
    {"quotient 1/3: 28 threes", "1", Op::divide, "3", "0.3333333333333333333333333333"},
    {"quotient 2/3 rounds up", "2", Op::divide, "3", "0.6666666666666666666666666667"},
    {"quotient 10/3: 29 digits", "10", Op::divide, "3", "3.3333333333333333333333333333"},
    {"quotient 100/3: 29 digits, scale 27", "100", Op::divide, "3",
     "33.333333333333333333333333333"},
    {"quotient 1/7: 28 digits, last rounded up", "1", Op::divide, "7",
     "0.1428571428571428571428571429"},
    {"quotient 50/7: 29 digits", "50", Op::divide, "7", "7.1428571428571428571428571429"},
    {"quotient with leading zeros keeps scale 28", "1", Op::divide, "81",
     "0.012345679012345679012345679"},
    {"maximum divided by three is exact", maxText, Op::divide, "3",
     "26409387504754779197847983445"},
    {"maximum divided by minus one", maxText, Op::divide, "-1", "-79228162514264337593543950335"},
    {"exact quotient", "7", Op::divide, "2", "3.5"},
    {"quotient of negatives", "-10", Op::divide, "-2", "5"},
    {"negative divisor", "10", Op::divide, "-2", "-5"},
    {"divisor with decimals", "1", Op::divide, "0.01", "100"},
    {"quotient of maximum by a tenth overflows", maxText, Op::divide, "0.1", "",
     DecimalStatus::overflow},
    {"maximum divided by itself", maxText, Op::divide, maxText, "1"},
    {"quotient below the smallest unit rounds to zero", "1", Op::divide, maxText, "0"},
    {"division by zero", "5", Op::divide, "0", "", DecimalStatus::divisionByZero},
    {"zero divided", "0", Op::divide, "7", "0"},
};

TEST(DecimalArithmetic, MatchesWorkedResults) {
    for (const ArithmeticCase& c : arithmeticCases) {
        SCOPED_TRACE(c.name);
        const Checked<Decimal> got = compute(c.op, number(c.a), number(c.b));
        EXPECT_EQ(got.status, c.status);
        if (c.status == DecimalStatus::ok) {
            EXPECT_EQ(plainText(got.value), c.want);
        }
    }
}

}  // namespace
}  // namespace sumora
