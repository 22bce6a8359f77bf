#include "engine/decimal.h"
#include "engine/decimal_rounding.h"

namespace sumora {

using detail::roundHalfEvenToDecimal;
using detail::WideUint;

namespace {

// Division works one digit past the largest scale so that rounding sees the first dropped digit.
constexpr int quotientScale = Decimal::maxScale + 1;

WideUint magnitudeOf(const Decimal& value) {
    return WideUint{value.mantissa()};
}

// A quotient that came out exact keeps no more fractional digits than its operands imply, as
// 10 / 4 gives 2.5 and 10 / 2 gives 5.
Decimal withoutTrailingZeros(Decimal value, int smallestScale) {
    WideUint mantissa = magnitudeOf(value);
    int scale = value.scale();
    // Up to 28 zeros go in steps of nine, four, two and one digits rather than one by one.
    for (const int step : {9, 4, 2, 1}) {
        while (scale - step >= smallestScale) {
            WideUint shorter = mantissa;
            if (shorter.divideBy(WideUint::powerOfTen32(step)) != 0) {
                break;
            }
            mantissa = shorter;
            scale -= step;
        }
    }
    const auto limbs = mantissa.low96();
    return Decimal::fromParts(value.isNegative(), limbs[2], limbs[1], limbs[0], scale).value;
}

}  // namespace

Checked<Decimal> add(const Decimal& a, const Decimal& b) {
    WideUint left = magnitudeOf(a);
    WideUint right = magnitudeOf(b);
    const int scale = a.scale() > b.scale() ? a.scale() : b.scale();
    left.multiplyByPowerOfTen(scale - a.scale());
    right.multiplyByPowerOfTen(scale - b.scale());
    if (a.isNegative() == b.isNegative()) {
        left.add(right);
        return roundHalfEvenToDecimal(a.isNegative(), left, scale, false);
    }
    if (left >= right) {
        left.subtract(right);
        return roundHalfEvenToDecimal(a.isNegative(), left, scale, false);
    }
    right.subtract(left);
    return roundHalfEvenToDecimal(b.isNegative(), right, scale, false);
}

Checked<Decimal> subtract(const Decimal& a, const Decimal& b) {
    return add(a, b.negated());
}

Checked<Decimal> multiply(const Decimal& a, const Decimal& b) {
    return roundHalfEvenToDecimal(a.isNegative() != b.isNegative(),
                                  WideUint::product(magnitudeOf(a), magnitudeOf(b)),
                                  a.scale() + b.scale(), false);
}

Checked<Decimal> divide(const Decimal& a, const Decimal& b) {
    if (b.isZero()) {
        return {Decimal{}, DecimalStatus::divisionByZero};
    }
    // a / b = (ma / mb) * 10^(sb - sa); scaled to quotientScale the numerator is
    // ma * 10^(quotientScale + sb - sa), at most 96 bits times 10^57.
    WideUint numerator = magnitudeOf(a);
    numerator.multiplyByPowerOfTen(quotientScale + b.scale() - a.scale());
    WideUint quotient;
    WideUint remainder;
    WideUint::divide(numerator, magnitudeOf(b), quotient, remainder);
    const Checked<Decimal> result = roundHalfEvenToDecimal(
        a.isNegative() != b.isNegative(), quotient, quotientScale, !remainder.isZero());
    if (!result.ok() || !remainder.isZero()) {
        return result;
    }
    const int naturalScale = a.scale() > b.scale() ? a.scale() - b.scale() : 0;
    return {withoutTrailingZeros(result.value, naturalScale), DecimalStatus::ok};
}

}  // namespace sumora
