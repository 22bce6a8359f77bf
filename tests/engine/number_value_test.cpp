#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/number_text.h"
#include "engine/number_value.h"

namespace sumora {
namespace {

struct ApplyCase {
    BinaryOp op;
    NumberValue left;
    std::string_view right;
    std::string_view want;  // "##,##0" text of the result, or empty on failure
    DecimalStatus status = DecimalStatus::ok;
};

// Rows the key sequences of the calculator tests do not reach.
const ApplyCase applyCases[] = {
    {BinaryOp::multiply, std::string{"12345678901234567890123"}, "10",
     "123,456,789,012,345,678,901,230"},
    {BinaryOp::power, std::int16_t{0}, "0", "1"},
    {BinaryOp::power, Decimal{-8}, "0.5", "", DecimalStatus::overflow},
    {BinaryOp::power, std::string{"10"}, "400", "", DecimalStatus::overflow},
    // An earlier result beyond the DECIMAL range.
    {BinaryOp::add, std::string{"1,000,000,000,000,000,000,000,000,000,000"}, "2", "",
     DecimalStatus::overflow},
    // A double operand beyond 15 digits.
    {BinaryOp::add, 1e20, "1", "100,000,000,000,000,000,001"},
};

TEST(ApplyNumberValue, ComputesInTheRightKind) {
    for (const ApplyCase& c : applyCases) {
        SCOPED_TRACE(c.want);
        const Checked<NumberValue> got = apply(c.op, c.left, parseDecimal(c.right).value);
        EXPECT_EQ(got.status, c.status);
        if (c.status == DecimalStatus::ok) {
            EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(got.value), c.want);
            EXPECT_EQ(std::holds_alternative<double>(got.value), c.op == BinaryOp::power);
        }
    }
}

}  // namespace
}  // namespace sumora
