#include "engine/decimal_rounding.h"

namespace sumora::detail {

namespace {

// The digits dropped so far, as far as rounding needs them: the first one and whether any
// later one (or a fraction below them) is not zero.
struct DroppedDigits {
    std::uint32_t first = 0;
    bool anyLater = false;

    void dropFrom(WideUint& mantissa, int count) {
        const std::uint32_t divisor = WideUint::powerOfTen32(count);
        const std::uint32_t remainder = mantissa.divideBy(divisor);
        anyLater = anyLater || first != 0 || remainder % (divisor / 10) != 0;
        first = remainder / (divisor / 10);
    }

    bool roundsUp(const WideUint& kept) const {
        return first > 5 || (first == 5 && (anyLater || kept.isOdd()));
    }
};

// The smallest number of digits that must go before a magnitude of `bits` bits can fit in 96.
int digitsToDropAtLeast(int bits) {
    // 77/256 is just below log10(2), so this never asks for more digits than needed.
    return bits > 97 ? (bits - 97) * 77 / 256 : 0;
}

int bitLength(const WideUint& value) {
    if (value.isZero()) {
        return 0;
    }
    return 32 * value.size() - std::countl_zero(value.limb(value.size() - 1));
}

}  // namespace

Checked<Decimal> roundHalfEvenToDecimal(bool negative, WideUint mantissa, int scale,
                                        bool belowLastDigit) {
    DroppedDigits dropped{0, belowLastDigit};
    int drop = scale - Decimal::maxScale;
    if (drop < digitsToDropAtLeast(bitLength(mantissa))) {
        drop = digitsToDropAtLeast(bitLength(mantissa));
    }
    if (drop > scale) {
        return {Decimal{}, DecimalStatus::overflow};
    }
    for (int left = drop; left > 0; left -= 9) {
        dropped.dropFrom(mantissa, left < 9 ? left : 9);
    }
    scale -= drop;
    // Rounding up can carry into the 97th bit; then one more digit has to go, rounded afresh
    // from the exact digits rather than from the rounded value.
    while (true) {
        if (mantissa.fitsIn96Bits()) {
            WideUint rounded = mantissa;
            if (dropped.roundsUp(mantissa)) {
                rounded.add(WideUint{1});
            }
            if (rounded.fitsIn96Bits()) {
                const auto limbs = rounded.low96();
                return Decimal::fromParts(negative, limbs[2], limbs[1], limbs[0], scale);
            }
        }
        if (scale == 0) {
            return {Decimal{}, DecimalStatus::overflow};
        }
        dropped.dropFrom(mantissa, 1);
        --scale;
    }
}

}  // namespace sumora::detail
