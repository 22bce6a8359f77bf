// Feeds arbitrary bytes to the number services three ways: as a display text (and, split at the
// first '|', as two operand texts), as two raw DECIMALs and as a raw double. Every result must
// read back as it was written; any breach aborts with a message.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/decimal.h"
#include "engine/number_text.h"
#include "engine/number_value.h"

namespace {

using namespace sumora;

void require(bool condition, const char* what, std::string_view detail) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_numbers: %s: %.*s\n", what, static_cast<int>(detail.size()),
                     detail.data());
        std::abort();
    }
}

bool isFailureOf(DecimalStatus status, bool allowDivisionByZero) {
    return status == DecimalStatus::overflow ||
           (allowDivisionByZero && status == DecimalStatus::divisionByZero);
}

void checkDecimal(const Decimal& d) {
    const std::string plain = plainText(d);
    require(d.scale() >= 0 && d.scale() <= Decimal::maxScale, "scale out of range", plain);
    const Checked<Decimal> again = parseDecimal(plain);
    require(again.ok() && again.value == d, "plain text does not read back", plain);
    require(plainText(again.value) == plain, "plain text changes on a second pass", plain);

    const std::string whole = formatWholeGroupedHalfAwayFromZero(d);
    const Checked<Decimal> w = parseDecimal(whole);
    require(w.ok(), "formatted value does not read back", whole);
    require(plainText(w.value).find('.') == std::string::npos, "formatted value not whole", whole);
    const Decimal half = parseDecimal("0.5").value;
    const Checked<Decimal> gap = subtract(w.value, d);
    require(gap.ok(), "gap to the whole number overflows", whole);
    const Decimal distance = gap.value.isNegative() ? gap.value.negated() : gap.value;
    require(distance <= half, "formatted value is not the nearest whole number", whole);
    require(distance != half || w.value.isNegative() == d.isNegative(),
            "half not rounded away from zero", whole);
    require(whole != "-0", "negative zero formatted", plain);

    require(std::isfinite(d.toDouble()), "toDouble not finite", plain);
}

void checkResult(const Checked<Decimal>& result, bool allowDivisionByZero, std::string_view what) {
    if (result.ok()) {
        checkDecimal(result.value);
    } else {
        require(isFailureOf(result.status, allowDivisionByZero), "unexpected status", what);
    }
}

void checkArithmetic(const Decimal& a, const Decimal& b) {
    const Checked<Decimal> sum = add(a, b);
    const Checked<Decimal> difference = subtract(a, b);
    const Checked<Decimal> product = multiply(a, b);
    const Checked<Decimal> quotient = divide(a, b);
    checkResult(sum, false, "add");
    checkResult(difference, false, "subtract");
    checkResult(product, false, "multiply");
    checkResult(quotient, true, "divide");
    require((quotient.status == DecimalStatus::divisionByZero) == b.isZero(),
            "division by zero not reported exactly when the divisor is zero", plainText(b));

    const Checked<Decimal> swappedSum = add(b, a);
    require(swappedSum.status == sum.status && swappedSum.value == sum.value,
            "addition not commutative", plainText(a));
    const Checked<Decimal> swappedProduct = multiply(b, a);
    require(swappedProduct.status == product.status && swappedProduct.value == product.value,
            "multiplication not commutative", plainText(a));
    const Checked<Decimal> reversed = subtract(b, a);
    require(reversed.status == difference.status && reversed.value == difference.value.negated(),
            "subtraction not antisymmetric", plainText(a));

    // The engine's path: the left operand arrives as text.
    const Checked<NumberValue> viaText = apply(BinaryOp::multiply, NumberValue{plainText(a)}, b);
    require(viaText.status == product.status &&
                (!product.ok() || std::get<Decimal>(viaText.value) == product.value),
            "text operand computes differently", plainText(a));
    const Checked<NumberValue> power = apply(BinaryOp::power, NumberValue{a}, b);
    if (power.ok()) {
        const double value = std::get<double>(power.value);
        require(std::isfinite(value), "power result not finite", plainText(a));
        const Checked<Decimal> read = parseDecimal(formatWholeGroupedHalfAwayFromZero(value));
        require(read.ok() || read.status == DecimalStatus::overflow,
                "formatted power is not a number", plainText(a));
    }
}

// Significant digits fit when the integer part has at most 28 digits and the fraction at most 28.
bool fitsWithoutRounding(std::string_view text) {
    if (!text.empty() && text[0] == '-') {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::size_t integerDigits = point == std::string_view::npos ? text.size() : point;
    const std::size_t fractionDigits =
        point == std::string_view::npos ? 0 : text.size() - point - 1;
    return integerDigits <= 28 && fractionDigits <= 28;
}

void checkDouble(double x) {
    if (!std::isfinite(x)) {
        require(!parseDecimal(doubleToText(x)).ok(), "non-finite text reads as a number", "");
        return;
    }
    const std::string text = doubleToText(x);
    const Checked<Decimal> read = parseDecimal(text);
    require(read.ok() || read.status == DecimalStatus::overflow, "double text is not a number",
            text);
    if (read.ok() && fitsWithoutRounding(text)) {
        require(plainText(read.value) == text, "double text does not read back", text);
    }
    // A double operand becomes the DECIMAL that its text reads as.
    const Checked<NumberValue> asDecimal = apply(BinaryOp::add, NumberValue{x}, Decimal{});
    require(asDecimal.status == read.status &&
                (!read.ok() || std::get<Decimal>(asDecimal.value) == read.value),
            "double operand differs from its text", text);
    int significant = 0;
    bool leading = true;
    for (const char c : text) {
        if (c >= '1' && c <= '9') {
            leading = false;
        }
        if (c >= '0' && c <= '9' && !leading) {
            ++significant;
        }
    }
    const std::size_t point = text.find('.');
    const std::size_t trailingZeros =
        point == std::string::npos ? text.size() - text.find_last_not_of('0') - 1 : 0;
    require(significant - static_cast<int>(trailingZeros) <= 15, "more than 15 digits", text);

    const std::string whole = formatWholeGroupedHalfAwayFromZero(x);
    const Checked<Decimal> w = parseDecimal(whole);
    require(w.ok() || w.status == DecimalStatus::overflow, "formatted double is not a number",
            whole);
    require(whole != "-0", "negative zero formatted", whole);
}

Decimal decimalFromBytes(const std::uint8_t* bytes) {
    std::uint32_t limbs[3];
    std::memcpy(limbs, bytes, sizeof limbs);
    return Decimal::fromParts((bytes[12] & 0x80) != 0, limbs[2], limbs[1], limbs[0],
                              (bytes[12] & 0x7F) % (Decimal::maxScale + 1))
        .value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Checked<Decimal> whole = parseDecimal(text);
    if (whole.ok()) {
        checkDecimal(whole.value);
    }
    const std::size_t bar = text.find('|');
    if (bar != std::string_view::npos) {
        const Checked<Decimal> a = parseDecimal(text.substr(0, bar));
        const Checked<Decimal> b = parseDecimal(text.substr(bar + 1));
        if (a.ok() && b.ok()) {
            checkArithmetic(a.value, b.value);
        }
    }
    if (size >= 26) {
        checkArithmetic(decimalFromBytes(data), decimalFromBytes(data + 13));
    }
    if (size >= 8) {
        double x = 0.0;
        std::memcpy(&x, data, sizeof x);
        checkDouble(x);
    }
    return 0;
}
