#include "engine/power_rounded.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>

#include "engine/exp_log_fixed.h"

// x^y = 2^k exp(r) with y ln x = k ln 2 + r, worked out in fixed point with a bound on the error.
// When the bound leaves the rounding in doubt, the work is done again with more bits (a result
// near the middle of two doubles needs them); a result exactly in the middle is found by an
// exact check and rounded to even.

namespace sumora {

namespace {

using detail::FixedApproximation;
using detail::PowerWide;
// Room for a 54-bit number to the 32nd power.
using ExactWide = detail::BasicWideUint<56>;

constexpr std::uint64_t hiddenBit = std::uint64_t{1} << 52;
constexpr std::uint64_t signBit = std::uint64_t{1} << 63;
constexpr double infinity = std::numeric_limits<double>::infinity();

// A finite non-negative double as mantissa * 2^exponent, the mantissa below 2^53.
struct BinaryParts {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

BinaryParts partsOf(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude) & ~signBit;
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & (hiddenBit - 1);
    if (biased == 0) {
        return {fraction, -1074};
    }
    return {fraction | hiddenBit, biased - 1075};
}

BinaryParts oddParts(BinaryParts parts) {
    const int zeros = std::countr_zero(parts.mantissa);
    return {parts.mantissa >> zeros, parts.exponent + zeros};
}

bool isOddInteger(double value) {
    if (value == 0.0) {
        return false;
    }
    return oddParts(partsOf(value)).exponent == 0;
}

// mantissa * 2^unit with mantissa at most 2^53, as a double; +infinity past the largest.
double doubleFromParts(std::uint64_t mantissa, int unit) {
    if (mantissa == 2 * hiddenBit) {
        mantissa = hiddenBit;
        ++unit;
    }
    if (mantissa < hiddenBit) {
        return std::bit_cast<double>(mantissa);
    }
    const int biased = unit + 1075;
    if (biased >= 2047) {
        return infinity;
    }
    return std::bit_cast<double>((std::uint64_t(biased) << 52) | (mantissa & (hiddenBit - 1)));
}

// The double nearest to value * 2^exponent, ties away from zero: the bounds of an approximation
// are never ties that matter, as a power exactly between two doubles lies strictly between its
// bounds and leaves them in doubt, and is then found by the exact check.
double nearestDouble(const PowerWide& value, int exponent) {
    if (value.isZero()) {
        return 0.0;
    }
    const int leading = value.bitLength() - 1 + exponent;
    const int unit = std::max(leading - 52, -1074);
    const int dropped = unit - exponent;
    PowerWide kept = value;
    if (dropped <= 0) {
        kept.shiftLeft(-dropped);
        return doubleFromParts(kept.low64(), unit);
    }
    kept.shiftRight(dropped);
    return doubleFromParts(kept.low64() + (value.bit(dropped - 1) ? 1 : 0), unit);
}

PowerWide atLeast(double bound) {
    const BinaryParts parts = partsOf(bound);
    PowerWide wide{parts.mantissa};
    if (parts.exponent >= 0) {
        wide.shiftLeft(parts.exponent);
    } else {
        wide.shiftRight(-parts.exponent);
        wide.add(PowerWide{1});
    }
    return wide;
}

struct RoundedBounds {
    double low = 0.0;
    double high = 0.0;
};

// The doubles nearest to the lowest and the highest value that |x|^y may have by the bound on
// this attempt's error, with `guardBits` more bits than a double holds. |x| is neither 0 nor 1.
RoundedBounds powerBounds(double x, double y, int guardBits) {
    BinaryParts base = partsOf(x);
    const int normalise = std::countl_zero(base.mantissa) - 11;
    base.mantissa <<= normalise;
    // x = m 2^e with m = mantissa / 2^52 in [1, 2).
    const int e = base.exponent - normalise + 52;
    const BinaryParts power = partsOf(y);
    const int powerBits = 64 - std::countl_zero(power.mantissa) + power.exponent;
    // ln x is worked out to within about 2^12 units, and y multiplies that error.
    const int bits = 53 + guardBits + 16 + std::max(0, powerBits);

    const FixedApproximation ln2 = detail::lnTwo(bits);
    const FixedApproximation lnMantissa = detail::lnOfMantissa(base.mantissa, bits);
    PowerWide lnX = ln2.value;
    lnX.multiplyAdd(static_cast<std::uint32_t>(e < 0 ? -e : e), 0);
    if (e >= 0) {
        lnX.add(lnMantissa.value);
    } else {
        lnX.subtract(lnMantissa.value);
    }
    const double lnXError = (e < 0 ? -e : e) * ln2.error + lnMantissa.error;

    // |t| = |y ln x|, exact but for the truncation of a negative power of two.
    PowerWide t = PowerWide::product(lnX, PowerWide{power.mantissa});
    const bool tNegative = (e < 0) != (y < 0.0);
    const int tooLarge = bits + 11;
    if (t.bitLength() + power.exponent > tooLarge) {
        return tNegative ? RoundedBounds{} : RoundedBounds{infinity, infinity};
    }
    if (power.exponent >= 0) {
        t.shiftLeft(power.exponent);
    } else {
        t.shiftRight(-power.exponent);
    }
    const double tError = (y < 0.0 ? -y : y) * lnXError + 1.0;
    PowerWide whole = t;
    whole.shiftRight(bits);
    // e^710 is beyond the largest double; e^-746 rounds to zero.
    if (!tNegative && whole.low64() >= 710) {
        return {infinity, infinity};
    }
    if (tNegative && whole.low64() >= 746) {
        return {};
    }

    // t = k ln 2 + r with r in [0, ln 2).
    PowerWide quotient;
    PowerWide r;
    PowerWide::divide(t, ln2.value, quotient, r);
    auto k = static_cast<int>(quotient.low64());
    double rError = tError + k * ln2.error;
    if (tNegative) {
        k = -k;
        if (!r.isZero()) {
            --k;
            PowerWide complement = ln2.value;
            complement.subtract(r);
            r = complement;
            rError += ln2.error;
        }
    }
    const FixedApproximation expR = detail::expOfFraction(r, bits);
    // exp(r) is below 2, so an error in r grows at most twofold; the bound is doubled again to
    // stay clear of any slip in the counting.
    const PowerWide error = atLeast(2.0 * (2.0 * rError + expR.error));
    PowerWide low = expR.value;
    if (low < error) {
        low = PowerWide{};
    } else {
        low.subtract(error);
    }
    PowerWide high = expR.value;
    high.add(error);
    return {nearestDouble(low, k - bits), nearestDouble(high, k - bits)};
}

// Whether |x|^y is exactly the middle of `below` and the next double up. Such a number is a
// dyadic rational whose odd part has at most 54 bits, so y = p / 2^j with j at most 5 (a 2^j-th
// root of an odd number of up to 53 bits is no integer for larger j, but for 1), and p is small.
bool isExactMiddle(double x, double y, double below) {
    const BinaryParts base = oddParts(partsOf(x));
    const BinaryParts power = oddParts(partsOf(y));
    const double size = y < 0.0 ? -y : y;
    if (power.exponent < -5 || size > 4096.0) {
        return false;
    }
    const int rootDegree = 1 << std::max(0, -power.exponent);
    const std::int64_t p = (y < 0.0 ? -1 : 1) *
                           static_cast<std::int64_t>(power.mantissa << std::max(0, power.exponent));
    const BinaryParts lower = partsOf(below);
    const std::uint64_t middleOdd = 2 * lower.mantissa + 1;
    const std::int64_t middleExponent = lower.exponent - 1;
    // x^p == middle^(2^j): the powers of two and the odd parts must agree.
    if (base.exponent * p != middleExponent * rootDegree) {
        return false;
    }
    if (p < 0 || base.mantissa == 1) {
        return base.mantissa == 1 && middleOdd == 1;
    }
    ExactWide middlePower{middleOdd};
    for (int degree = 1; degree < rootDegree; degree *= 2) {
        middlePower = ExactWide::product(middlePower, middlePower);
    }
    const ExactWide odd{base.mantissa};
    ExactWide basePower{1};
    for (std::int64_t i = 0; i < p; ++i) {
        if (basePower.bitLength() > middlePower.bitLength()) {
            return false;
        }
        basePower = ExactWide::product(basePower, odd);
    }
    return basePower == middlePower;
}

double magnitudePower(double x, double y) {
    // The first attempt leaves in doubt only powers within about 2^-20 units in the last place
    // of the middle of two doubles; the second, those within about 2^-160.
    constexpr std::array<int, 2> guards = {16, 160};
    RoundedBounds bounds;
    for (const int guard : guards) {
        bounds = powerBounds(x, y, guard);
        if (bounds.low == bounds.high) {
            return bounds.low;
        }
        const bool adjacent = std::bit_cast<std::uint64_t>(bounds.high) ==
                              std::bit_cast<std::uint64_t>(bounds.low) + 1;
        if (adjacent && isExactMiddle(x, y, bounds.low)) {
            const bool lowIsEven = (std::bit_cast<std::uint64_t>(bounds.low) & 1) == 0;
            return lowIsEven ? bounds.low : bounds.high;
        }
    }
    // Within about 2^-160 of a unit in the last place of a middle point and not on it: no such
    // power is known, and the lower double is as near as the approximation can tell.
    return bounds.low;
}

}  // namespace

double powerRoundedToNearestEven(double base, double exponent) {
    const auto bits = std::bit_cast<std::uint64_t>(base);
    const double x = std::bit_cast<double>(bits & ~signBit);
    double magnitude = 1.0;
    if (exponent != 0.0 && x != 1.0) {
        magnitude = x == 0.0 ? 0.0 : magnitudePower(x, exponent);
    }
    const bool negative = (bits & signBit) != 0 && isOddInteger(exponent);
    return negative ? -magnitude : magnitude;
}

}  // namespace sumora
