#pragma once

#include <string>

#include "engine/decimal.h"

namespace sumora {

// The result pattern "##,##0": a whole number, halves away from zero, "," between groups of three
// digits, "-" for a negative value; a negative value that rounds to zero gives "0".
std::string formatWholeGroupedHalfAwayFromZero(const Decimal& value);
// The double is first taken to 15 significant digits (halves away from zero), then as above.
std::string formatWholeGroupedHalfAwayFromZero(double value);

// The text form of a double: 15 significant digits, halves away from zero, plain notation (never
// an exponent), no grouping, trailing zeros and a trailing point dropped.
std::string doubleToText(double value);

// The plain text of a DECIMAL as the memory keys store it: "-" when negative, digits without
// grouping, and "." with the fraction only when it is not zero, without trailing zeros.
std::string plainText(const Decimal& value);

}  // namespace sumora
