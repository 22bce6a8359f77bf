#include "engine/decimal.h"

#include <charconv>

#include "engine/wide_uint.h"

namespace sumora {

using detail::WideUint;

Checked<Decimal> Decimal::fromParts(bool negative, std::uint32_t hi, std::uint32_t mid,
                                    std::uint32_t lo, int scale) {
    if (scale < 0 || scale > maxScale) {
        return {Decimal{}, DecimalStatus::overflow};
    }
    Decimal result;
    result.limbs_ = {lo, mid, hi};
    result.scale_ = static_cast<std::uint8_t>(scale);
    // There is no negative zero: it would print as "-0".
    result.negative_ = negative && !result.isZero();
    return {result, DecimalStatus::ok};
}

Decimal Decimal::negated() const {
    Decimal result = *this;
    result.negative_ = !negative_ && !isZero();
    return result;
}

double Decimal::toDouble() const {
    // A mantissa below 2^53 and a power of ten up to 10^22 are both exact doubles, so a single
    // division rounds correctly.
    constexpr std::array<double, 23> exactPowersOfTen = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (limbs_[2] == 0 && limbs_[1] < (1U << 21) && scale_ < exactPowersOfTen.size()) {
        const auto magnitude = static_cast<double>((std::uint64_t{limbs_[1]} << 32) | limbs_[0]) /
                               exactPowersOfTen[scale_];
        return negative_ ? -magnitude : magnitude;
    }
    // Otherwise "-digitse-scale", read by from_chars: correctly rounded too, and free of any
    // locale.
    std::array<char, 40> text{};
    char* const digitsEnd = text.data() + 31;
    char* begin = digitsEnd;
    WideUint rest{limbs_};
    do {
        *--begin = static_cast<char>('0' + rest.divideBy(10));
    } while (!rest.isZero());
    if (negative_) {
        *--begin = '-';
    }
    char* end = digitsEnd;
    *end++ = 'e';
    *end++ = '-';
    end = std::to_chars(end, text.data() + text.size(), int{scale_}).ptr;
    double value = 0.0;
    std::from_chars(begin, end, value);
    return value;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if (a.isNegative() != b.isNegative()) {
        return a.isNegative() ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    WideUint left{a.limbs_};
    WideUint right{b.limbs_};
    if (a.scale_ < b.scale_) {
        left.multiplyByPowerOfTen(b.scale_ - a.scale_);
    } else {
        right.multiplyByPowerOfTen(a.scale_ - b.scale_);
    }
    const std::strong_ordering magnitude = left <=> right;
    return a.isNegative() ? 0 <=> magnitude : magnitude;
}

}  // namespace sumora
