#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/number_text.h"
#include "engine/number_value.h"

namespace sumora {
namespace {

struct ApplyCase {
    std::string_view name;
    BinaryOp op;
    NumberValue left;
    std::string_view right;
    std::string_view want;  // "##,##0" text of the result, or empty on failure
    DecimalStatus status = DecimalStatus::ok;
};

const ApplyCase applyCases[] = {
    {"text read at full precision", BinaryOp::multiply, std::string{"12345678901234567890123"},
     "10", "123,456,789,012,345,678,901,230"},
    {"division by zero", BinaryOp::divide, std::string{"7"}, "0", "",
     DecimalStatus::divisionByZero},
    {"message text on the left", BinaryOp::add, std::string{"Answer too large or small"}, "1", "",
     DecimalStatus::invalidText},
    {"sum beyond the range", BinaryOp::add, std::string{"79,228,162,514,264,337,593,543,950,335"},
     "1", "", DecimalStatus::overflow},
    {"power", BinaryOp::power, std::string{"2"}, "10", "1,024"},
    {"zero to the zeroth", BinaryOp::power, std::int16_t{0}, "0", "1"},
    {"zero to a negative power", BinaryOp::power, std::int16_t{0}, "-1", "",
     DecimalStatus::overflow},
    {"negative base, fractional exponent", BinaryOp::power, Decimal{-8}, "0.5", "",
     DecimalStatus::overflow},
    {"power beyond a double", BinaryOp::power, std::string{"10"}, "400", "",
     DecimalStatus::overflow},
    {"power beyond the DECIMAL range is still a result", BinaryOp::power, std::string{"10"}, "30",
     "1,000,000,000,000,000,000,000,000,000,000"},
    {"sum with an earlier result beyond the DECIMAL range", BinaryOp::add,
     std::string{"1,000,000,000,000,000,000,000,000,000,000"}, "2", "", DecimalStatus::overflow},
    {"double left operand", BinaryOp::add, 1.5, "1", "3"},
    {"double left operand beyond 15 digits", BinaryOp::add, 1e20, "1",
     "100,000,000,000,000,000,001"},
    {"fractional exponent", BinaryOp::power, std::string{"4"}, "0.5", "2"},
};

TEST(ApplyNumberValue, ComputesInTheRightKind) {
    for (const ApplyCase& c : applyCases) {
        SCOPED_TRACE(c.name);
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
