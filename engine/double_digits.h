#pragma once

#include <cstdint>

namespace sumora::detail {

// A double taken to 15 significant digits: (negative ? -1 : 1) * digits * 10^exponent, with
// digits below 10^15. Zero gives digits 0 and no sign.
struct FifteenDigits {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

// Rounds the exact value of a finite double to 15 significant digits, halves away from zero.
FifteenDigits roundToFifteenDigitsHalfAwayFromZero(double value);

}  // namespace sumora::detail
