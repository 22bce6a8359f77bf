#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <string_view>

namespace sumora {

// How a number service ended. The engine turns each case into what the user sees.
enum class DecimalStatus : std::uint8_t {
    ok,              // the value is valid
    overflow,        // the result lies outside the DECIMAL range
    divisionByZero,  // a divisor was zero
    invalidText,     // the text is not a number (a type mismatch)
};

template <typename T>
struct [[nodiscard]] Checked {
    T value{};
    DecimalStatus status = DecimalStatus::ok;

    constexpr bool ok() const { return status == DecimalStatus::ok; }
};

// A 96-bit scaled decimal: sign * mantissa / 10^scale, mantissa below 2^96, scale 0 to 28.
// A plain value type: trivially copyable, no heap, three 32-bit limbs so that every compiler
// (including those without a 128-bit integer) builds it.
class Decimal {
public:
    static constexpr int maxScale = 28;

    constexpr Decimal() = default;
    constexpr explicit Decimal(std::int64_t whole)
        : limbs_{static_cast<std::uint32_t>(magnitude(whole)),
                 static_cast<std::uint32_t>(magnitude(whole) >> 32), 0},
          negative_(whole < 0) {}

    // Fails with overflow when the mantissa does not fit in 96 bits or the scale exceeds 28.
    static Checked<Decimal> fromParts(bool negative, std::uint32_t hi, std::uint32_t mid,
                                      std::uint32_t lo, int scale);

    constexpr bool isZero() const { return (limbs_[0] | limbs_[1] | limbs_[2]) == 0; }
    constexpr bool isNegative() const { return negative_ && !isZero(); }
    constexpr int scale() const { return scale_; }
    // The 96-bit mantissa, least significant limb first.
    constexpr const std::array<std::uint32_t, 3>& mantissa() const { return limbs_; }

    Decimal negated() const;

    // The nearest double.
    double toDouble() const;

    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) {
        return (a <=> b) == std::strong_ordering::equal;
    }

private:
    static constexpr std::uint64_t magnitude(std::int64_t v) {
        return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    }

    std::array<std::uint32_t, 3> limbs_{};
    bool negative_ = false;
    std::uint8_t scale_ = 0;
};

// Exact when the exact result fits; otherwise rounded half to even at the largest scale (at most
// 28) whose mantissa fits in 96 bits; overflow when not even scale 0 fits.
Checked<Decimal> add(const Decimal& a, const Decimal& b);
Checked<Decimal> subtract(const Decimal& a, const Decimal& b);
Checked<Decimal> multiply(const Decimal& a, const Decimal& b);
Checked<Decimal> divide(const Decimal& a, const Decimal& b);

// Reads a display text: optional "-", digits with "," grouping after the first digit of the
// integer part, at most one "."; surplus fractional digits are rounded half to even. A text that
// is not a number gives invalidText, an integer part that does not fit gives overflow.
Checked<Decimal> parseDecimal(std::string_view text);

}  // namespace sumora
