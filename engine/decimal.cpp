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

Decimal Decimal::max() {
    return fromParts(false, 0xFFFFFFFFU, 0xFFFFFFFFU, 0xFFFFFFFFU, 0).value;
}

Decimal Decimal::negated() const {
    Decimal result = *this;
    result.negative_ = !negative_ && !isZero();
    return result;
}

double Decimal::toDouble() const {
    // The digits with a decimal exponent, read by from_chars: correctly rounded and free of any
    // locale.
    std::array<char, 40> text{};
    WideUint rest{limbs_};
    char* end = text.data() + text.size();
    char* begin = end;
    const char* exponent = "e-";
    do {
        *--begin = static_cast<char>('0' + rest.divideBy(10));
    } while (!rest.isZero());
    std::array<char, 48> number{};
    char* out = number.data();
    if (isNegative()) {
        *out++ = '-';
    }
    for (const char* p = begin; p != end; ++p) {
        *out++ = *p;
    }
    *out++ = exponent[0];
    *out++ = exponent[1];
    out = std::to_chars(out, number.data() + number.size(), int{scale_}).ptr;
    double value = 0.0;
    std::from_chars(number.data(), out, value);
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
