#pragma once

#include <cstdint>

#include "engine/wide_uint.h"

namespace sumora::detail {

// Room for the products of the power's most precise attempt.
using PowerWide = BasicWideUint<32>;

// The most fraction bits lnTwo and lnOfMantissa give.
constexpr int maxLnBits = 480;

// A non-negative real approximated by value * 2^-fractionBits, off by at most `error` units of
// that last place.
struct FixedApproximation {
    PowerWide value;
    double error = 0.0;
};

FixedApproximation lnTwo(int fractionBits);

// ln(mantissa / 2^52) for a mantissa in [2^52, 2^53).
FixedApproximation lnOfMantissa(std::uint64_t mantissa, int fractionBits);

// exp(fraction * 2^-fractionBits) for an exact fraction below 1.
FixedApproximation expOfFraction(const PowerWide& fraction, int fractionBits);

}  // namespace sumora::detail
