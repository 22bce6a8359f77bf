#include "engine/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

#include "engine/double_digits.h"
#include "engine/wide_uint.h"

namespace sumora {

using detail::FifteenDigits;
using detail::roundToFifteenDigitsHalfAwayFromZero;
using detail::WideUint;

namespace {

std::string decimalDigits(WideUint value) {
    // 2^96 has 29 digits; four chunks of nine hold it.
    std::array<char, 40> buffer{};
    char* const end = buffer.data() + buffer.size();
    char* begin = end;
    do {
        std::uint32_t chunk = value.divideBy(1'000'000'000U);
        for (int i = 0; i < 9; ++i) {
            *--begin = static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    } while (!value.isZero());
    while (begin + 1 < end && *begin == '0') {
        ++begin;
    }
    return std::string(begin, end);
}

std::string decimalDigits(std::uint64_t value) {
    std::array<char, 20> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
}

// "," between groups of three digits counted from the right; the sign stays outside the groups.
std::string grouped(bool negative, std::string_view digits) {
    std::string text;
    text.reserve(digits.size() + digits.size() / 3 + 1);
    if (negative && digits != "0") {
        text += '-';
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

std::string nonFiniteText(double value) {
    // Not a number to the DECIMAL conversion, so such a text can never pass for a result.
    std::array<char, 8> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
}

constexpr std::uint64_t powerOfTen64(int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 10;
    }
    return result;
}

}  // namespace

std::string formatWholeGroupedHalfAwayFromZero(const Decimal& value) {
    WideUint whole{value.mantissa()};
    if (value.scale() > 0) {
        for (int left = value.scale() - 1; left > 0; left -= 9) {
            whole.divideBy(WideUint::powerOfTen32(left < 9 ? left : 9));
        }
        if (whole.divideBy(10) >= 5) {
            whole.add(WideUint{1});
        }
    }
    return grouped(value.isNegative(), decimalDigits(whole));
}

std::string formatWholeGroupedHalfAwayFromZero(double value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const FifteenDigits rounded = roundToFifteenDigitsHalfAwayFromZero(value);
    if (rounded.exponent >= 0) {
        return grouped(rounded.negative,
                       decimalDigits(rounded.digits) +
                           std::string(static_cast<std::size_t>(rounded.exponent), '0'));
    }
    // Fifteen digits are below 10^15, so from 10^-16 on the value is below a tenth.
    if (rounded.exponent < -16) {
        return "0";
    }
    const std::uint64_t unit = powerOfTen64(-rounded.exponent);
    std::uint64_t whole = rounded.digits / unit;
    if (rounded.digits % unit >= unit - unit / 2) {
        ++whole;
    }
    return grouped(rounded.negative, decimalDigits(whole));
}

std::string doubleToText(double value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    FifteenDigits rounded = roundToFifteenDigitsHalfAwayFromZero(value);
    if (rounded.digits == 0) {
        return "0";
    }
    while (rounded.digits % 10 == 0) {
        rounded.digits /= 10;
        ++rounded.exponent;
    }
    const std::string digits = decimalDigits(rounded.digits);
    std::string text = rounded.negative ? "-" : "";
    if (rounded.exponent >= 0) {
        text += digits;
        text.append(static_cast<std::size_t>(rounded.exponent), '0');
        return text;
    }
    const auto fractionLength = static_cast<std::size_t>(-rounded.exponent);
    if (fractionLength < digits.size()) {
        const std::size_t integerLength = digits.size() - fractionLength;
        text.append(digits, 0, integerLength);
        text += '.';
        text.append(digits, integerLength);
        return text;
    }
    text += "0.";
    text.append(fractionLength - digits.size(), '0');
    text += digits;
    return text;
}

std::string plainText(const Decimal& value) {
    std::string digits = decimalDigits(WideUint{value.mantissa()});
    const auto scale = static_cast<std::size_t>(value.scale());
    if (digits.size() <= scale) {
        digits.insert(0, scale + 1 - digits.size(), '0');
    }
    std::size_t length = digits.size();
    std::size_t integerLength = digits.size() - scale;
    while (length > integerLength && digits[length - 1] == '0') {
        --length;
    }
    std::string text = value.isNegative() ? "-" : "";
    text.append(digits, 0, integerLength);
    if (length > integerLength) {
        text += '.';
        text.append(digits, integerLength, length - integerLength);
    }
    return text;
}

}  // namespace sumora
