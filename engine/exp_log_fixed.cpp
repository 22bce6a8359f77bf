#include "engine/exp_log_fixed.h"

#include <array>

namespace sumora::detail {

namespace {

PowerWide fixedProduct(const PowerWide& a, const PowerWide& b, int fractionBits) {
    PowerWide product = PowerWide::product(a, b);
    product.shiftRight(fractionBits);
    return product;
}

PowerWide fixedQuotient(std::uint64_t numerator, std::uint64_t denominator, int fractionBits) {
    PowerWide shifted{numerator};
    shifted.shiftLeft(fractionBits);
    PowerWide quotient;
    PowerWide remainder;
    PowerWide::divide(shifted, PowerWide{denominator}, quotient, remainder);
    return quotient;
}

// 2 atanh(s) = ln((1 + s) / (1 - s)) = 2 (s + s^3/3 + s^5/5 + ...) for s below 1/3, given to
// within one unit. Each term truncates: a power is off by less than 2 units, a term by less than
// 3, the rest of the series after the power reaches zero by less than 2; doubled, 6 per term and
// 6 more bound it.
FixedApproximation twiceAtanh(const PowerWide& s, int fractionBits) {
    const PowerWide square = fixedProduct(s, s, fractionBits);
    PowerWide power = s;
    FixedApproximation sum;
    int terms = 0;
    for (std::uint32_t divisor = 1; !power.isZero(); divisor += 2) {
        PowerWide term = power;
        term.divideBy(divisor);
        sum.value.add(term);
        power = fixedProduct(power, square, fractionBits);
        ++terms;
    }
    sum.value.shiftLeft(1);
    sum.error = 6.0 * terms + 6.0;
    return sum;
}

// ln 2 and ln(1 + j/16) for j from 0 to 15 at maxLnBits, each off by less than a unit of that
// place; taken to fewer bits they are off by less than two units.
struct LnTable {
    PowerWide lnTwo;
    std::array<PowerWide, 16> lnOfSixteenths;
};

const LnTable& lnTable() {
    static const LnTable table = [] {
        LnTable made;
        // 2 = (1 + 1/3) / (1 - 1/3) and 1 + j/16 = (1 + s) / (1 - s) with s = j / (32 + j).
        made.lnTwo = twiceAtanh(fixedQuotient(1, 3, maxLnBits), maxLnBits).value;
        for (std::uint64_t j = 0; j < 16; ++j) {
            made.lnOfSixteenths[j] =
                twiceAtanh(fixedQuotient(j, 32 + j, maxLnBits), maxLnBits).value;
        }
        return made;
    }();
    return table;
}

FixedApproximation fromTable(const PowerWide& value, int fractionBits) {
    PowerWide shorter = value;
    shorter.shiftRight(maxLnBits - fractionBits);
    return {shorter, 2.0};
}

}  // namespace

FixedApproximation lnTwo(int fractionBits) {
    return fromTable(lnTable().lnTwo, fractionBits);
}

// m = c (1 + s) / (1 - s) with c = 1 + j/16 from the top bits of m, so s = (m - c) / (m + c) is
// below 1/32 and the series gains ten bits a term.
FixedApproximation lnOfMantissa(std::uint64_t mantissa, int fractionBits) {
    const std::uint64_t j = (mantissa >> 48) & 15;
    const std::uint64_t scaledMantissa = 16 * mantissa;
    const std::uint64_t scaledC = (16 + j) << 52;
    FixedApproximation ln =
        twiceAtanh(fixedQuotient(scaledMantissa - scaledC, scaledMantissa + scaledC, fractionBits),
                   fractionBits);
    const FixedApproximation lnC = fromTable(lnTable().lnOfSixteenths[j], fractionBits);
    ln.value.add(lnC.value);
    ln.error += lnC.error;
    return ln;
}

// exp(r) = exp(r / 2^h)^(2^h): the series of the smaller number gains about h bits a term, and
// each of the h squarings at most doubles the relative error, so they work with h + 2 more bits.
// About the square root of the bits for h takes the fewest products. Each term of the series
// truncates twice; a term is off by less than 3 units and the rest of the series after a term
// reaches zero by less than 6.
FixedApproximation expOfFraction(const PowerWide& fraction, int fractionBits) {
    int squarings = 4;
    while ((squarings + 1) * (squarings + 1) <= fractionBits) {
        ++squarings;
    }
    const int bits = fractionBits + squarings + 2;
    PowerWide reduced = fraction;
    reduced.shiftLeft(2);
    PowerWide term{1};
    term.shiftLeft(bits);
    PowerWide sum = term;
    int terms = 0;
    for (std::uint32_t n = 1; !term.isZero(); ++n) {
        term = fixedProduct(term, reduced, bits);
        term.divideBy(n);
        sum.add(term);
        ++terms;
    }
    // A squaring of v (below 2^(2^-i) at i squarings from the end) multiplies the error by 2v
    // and adds a unit: in all, less than 2^h e times (e + 1), e the series' error.
    const double seriesError = 3.0 * terms + 6.0;
    for (int i = 0; i < squarings; ++i) {
        sum = fixedProduct(sum, sum, bits);
    }
    sum.shiftRight(squarings + 2);
    return {sum, 2.72 * (seriesError + 1.0) / 4.0 + 1.0};
}

}  // namespace sumora::detail
