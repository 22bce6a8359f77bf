#include "engine/decimal.h"
#include "engine/decimal_rounding.h"

namespace sumora {

using detail::roundHalfEvenToDecimal;
using detail::WideUint;

namespace {

// More digits than this in the integer part (leading zeros aside) cannot fit in 96 bits.
constexpr int maxIntegerDigits = 29;
// Fractional digits kept exactly; the rest only tell whether anything non-zero follows.
constexpr int keptFractionDigits = Decimal::maxScale + 1;

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Collects decimal digits nine at a time into a wide integer.
class DigitAccumulator {
public:
    void push(char digit) {
        chunk_ = chunk_ * 10 + static_cast<std::uint32_t>(digit - '0');
        if (++chunkDigits_ == 9) {
            flush();
        }
    }

    WideUint take() {
        flush();
        return value_;
    }

private:
    void flush() {
        if (chunkDigits_ > 0) {
            value_.multiplyAdd(WideUint::powerOfTen32(chunkDigits_), chunk_);
        }
        chunk_ = 0;
        chunkDigits_ = 0;
    }

    WideUint value_;
    std::uint32_t chunk_ = 0;
    int chunkDigits_ = 0;
};

}  // namespace

Checked<Decimal> parseDecimal(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        ++pos;
    }
    DigitAccumulator digits;
    bool anyDigit = false;
    int integerDigits = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            anyDigit = true;
            if (integerDigits > 0 || c != '0') {
                // Past the limit the text is an overflow whatever follows; counting stops there.
                if (integerDigits < maxIntegerDigits) {
                    digits.push(c);
                }
                if (integerDigits <= maxIntegerDigits) {
                    ++integerDigits;
                }
            }
        } else if (c != ',' || !anyDigit) {
            break;
        }
    }
    int fractionDigits = 0;
    bool nonZeroBeyondKept = false;
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos) {
            anyDigit = true;
            if (fractionDigits < keptFractionDigits) {
                digits.push(text[pos]);
                ++fractionDigits;
            } else if (text[pos] != '0') {
                nonZeroBeyondKept = true;
            }
        }
    }
    if (pos != text.size() || !anyDigit) {
        return {Decimal{}, DecimalStatus::invalidText};
    }
    if (integerDigits > maxIntegerDigits) {
        return {Decimal{}, DecimalStatus::overflow};
    }
    return roundHalfEvenToDecimal(negative, digits.take(), fractionDigits, nonZeroBeyondKept);
}

}  // namespace sumora
