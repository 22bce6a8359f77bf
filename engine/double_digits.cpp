#include "engine/double_digits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>

namespace sumora::detail {

namespace {

constexpr int significantDigits = 15;

// Whether the exact value of the positive finite double `value` equals odd * 10^exponent10.
// Both sides are split into an odd part and powers of two and five, which must agree.
bool equalsExactly(double value, std::uint64_t odd, int exponent10) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent2 = -1074;
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent2 = biasedExponent - 1075;
    }
    const int twos = std::countr_zero(mantissa);
    mantissa >>= twos;
    exponent2 += twos;
    if (exponent2 != exponent10) {
        return false;
    }
    int fives = exponent10;
    while (odd % 5 == 0) {
        odd /= 5;
        ++fives;
    }
    if (fives < 0) {
        return false;
    }
    for (; fives > 0; --fives) {
        if (odd > mantissa / 5) {
            return false;
        }
        odd *= 5;
    }
    return odd == mantissa;
}

}  // namespace

FifteenDigits roundToFifteenDigitsHalfAwayFromZero(double value) {
    FifteenDigits result;
    if (value == 0.0) {
        return result;
    }
    result.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    // "d.dddddddddddddde+XXX": correctly rounded from the exact value, ties to even.
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, significantDigits - 1);
    const char* p = text.data();
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            result.digits = result.digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    int decimalExponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), written.ptr, decimalExponent);
    result.exponent = decimalExponent - (significantDigits - 1);
    // A tie rounded down to even must go up instead: the exact value is then digits and a half.
    // The digits are even then, so one more never carries into a sixteenth digit.
    if (equalsExactly(magnitude, result.digits * 10 + 5, result.exponent - 1)) {
        ++result.digits;
    }
    return result;
}

}  // namespace sumora::detail
