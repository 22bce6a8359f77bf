#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "engine/decimal.h"

namespace sumora {

// The number-or-text value of the engine's operands and results.
using NumberValue = std::variant<std::int16_t, Decimal, double, std::string>;

// The binary operators by operator index; any index above 3 is power.
enum class BinaryOp : std::uint8_t { add = 0, subtract = 1, multiply = 2, divide = 3, power = 4 };

// left <op> right. A text left operand is read as a DECIMAL (for power, a text beyond the DECIMAL
// range, such as an earlier power result, is read as a double). Add, subtract, multiply and divide
// work in DECIMAL; power works in double and fails (overflow) on an infinite or NaN result, zero
// to a negative power and a negative base with a non-integral exponent. A zero divisor gives
// divisionByZero. The result is a DECIMAL or a double.
Checked<NumberValue> apply(BinaryOp op, const NumberValue& left, const Decimal& right);

// The result pattern "##,##0" of number_text.h for whichever number the value holds; a text is
// read as a DECIMAL first and, if it is not a number, kept as it is.
std::string formatWholeGroupedHalfAwayFromZero(const NumberValue& value);

}  // namespace sumora
