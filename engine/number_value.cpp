#include "engine/number_value.h"

#include <charconv>
#include <cmath>

#include "engine/decimal_rounding.h"
#include "engine/double_digits.h"
#include "engine/number_text.h"
#include "engine/power_rounded.h"

namespace sumora {

namespace {

// A double becomes a DECIMAL through its 15 significant digits, as it is shown.
Checked<Decimal> decimalFromDouble(double value) {
    if (!std::isfinite(value)) {
        return {Decimal{}, DecimalStatus::overflow};
    }
    const detail::FifteenDigits rounded = detail::roundToFifteenDigitsHalfAwayFromZero(value);
    // Fifteen digits times 10^29 and more are beyond the range; far below, nothing is left.
    if (rounded.exponent > Decimal::maxScale) {
        return {Decimal{}, DecimalStatus::overflow};
    }
    if (rounded.exponent < -2 * Decimal::maxScale) {
        return {Decimal{}, DecimalStatus::ok};
    }
    detail::WideUint mantissa{rounded.digits};
    int scale = -rounded.exponent;
    if (scale < 0) {
        mantissa.multiplyByPowerOfTen(-scale);
        scale = 0;
    }
    return detail::roundHalfEvenToDecimal(rounded.negative, mantissa, scale, false);
}

struct ToDecimal {
    Checked<Decimal> operator()(std::int16_t v) const { return {Decimal{v}, DecimalStatus::ok}; }
    Checked<Decimal> operator()(const Decimal& v) const { return {v, DecimalStatus::ok}; }
    Checked<Decimal> operator()(double v) const { return decimalFromDouble(v); }
    Checked<Decimal> operator()(const std::string& v) const { return parseDecimal(v); }
};

// A text beyond the DECIMAL range, such as an earlier power result of up to 309 digits, is still
// a number to double arithmetic.
Checked<double> textToDouble(const std::string& text) {
    const Checked<Decimal> number = parseDecimal(text);
    if (number.status != DecimalStatus::overflow) {
        return {number.value.toDouble(), number.status};
    }
    std::string ungrouped;
    ungrouped.reserve(text.size());
    for (const char c : text) {
        if (c != ',') {
            ungrouped += c;
        }
    }
    double value = 0.0;
    const auto read = std::from_chars(ungrouped.data(), ungrouped.data() + ungrouped.size(), value);
    if (read.ec != std::errc{} || !std::isfinite(value)) {
        return {0.0, DecimalStatus::overflow};
    }
    return {value, DecimalStatus::ok};
}

struct ToDouble {
    Checked<double> operator()(std::int16_t v) const {
        return {static_cast<double>(v), DecimalStatus::ok};
    }
    Checked<double> operator()(const Decimal& v) const { return {v.toDouble(), DecimalStatus::ok}; }
    Checked<double> operator()(double v) const { return {v, DecimalStatus::ok}; }
    Checked<double> operator()(const std::string& v) const { return textToDouble(v); }
};

Checked<NumberValue> fromDecimal(Checked<Decimal> result) {
    return {NumberValue{result.value}, result.status};
}

Checked<NumberValue> power(const NumberValue& left, const Decimal& right) {
    const Checked<double> base = std::visit(ToDouble{}, left);
    if (!base.ok()) {
        return {NumberValue{}, base.status};
    }
    const double exponent = right.toDouble();
    const bool zeroToNegative = base.value == 0.0 && exponent < 0.0;
    const bool negativeToFraction = base.value < 0.0 && std::trunc(exponent) != exponent;
    if (zeroToNegative || negativeToFraction) {
        return {NumberValue{}, DecimalStatus::overflow};
    }
    const double result = powerRoundedToNearestEven(base.value, exponent);
    if (!std::isfinite(result)) {
        return {NumberValue{}, DecimalStatus::overflow};
    }
    return {NumberValue{result}, DecimalStatus::ok};
}

}  // namespace

Checked<NumberValue> apply(BinaryOp op, const NumberValue& left, const Decimal& right) {
    if (op != BinaryOp::add && op != BinaryOp::subtract && op != BinaryOp::multiply &&
        op != BinaryOp::divide) {
        return power(left, right);
    }
    const Checked<Decimal> a = std::visit(ToDecimal{}, left);
    if (!a.ok()) {
        return {NumberValue{}, a.status};
    }
    switch (op) {
        case BinaryOp::add:
            return fromDecimal(add(a.value, right));
        case BinaryOp::subtract:
            return fromDecimal(subtract(a.value, right));
        case BinaryOp::multiply:
            return fromDecimal(multiply(a.value, right));
        default:
            return fromDecimal(divide(a.value, right));
    }
}

std::string formatWholeGroupedHalfAwayFromZero(const NumberValue& value) {
    struct Format {
        std::string operator()(std::int16_t v) const {
            return formatWholeGroupedHalfAwayFromZero(Decimal{v});
        }
        std::string operator()(const Decimal& v) const {
            return formatWholeGroupedHalfAwayFromZero(v);
        }
        std::string operator()(double v) const { return formatWholeGroupedHalfAwayFromZero(v); }
        std::string operator()(const std::string& v) const {
            const Checked<Decimal> number = parseDecimal(v);
            return number.ok() ? formatWholeGroupedHalfAwayFromZero(number.value) : v;
        }
    };
    return std::visit(Format{}, value);
}

}  // namespace sumora
