#pragma once

#include <array>
#include <bit>
#include <compare>
#include <cstdint>

namespace sumora::detail {

// An unsigned integer of up to 32 * Capacity bits in 32-bit limbs, least significant first.
// Callers keep their values inside that bound; nothing here grows past it. Limbs above size()
// are always zero.
template <int Capacity>
class BasicWideUint {
public:
    static constexpr int capacity = Capacity;

    constexpr BasicWideUint() = default;
    constexpr explicit BasicWideUint(std::uint64_t value) {
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(value >> 32);
        size_ = limbs_[1] != 0 ? 2 : (limbs_[0] != 0 ? 1 : 0);
    }
    constexpr explicit BasicWideUint(const std::array<std::uint32_t, 3>& mantissa) {
        limbs_[0] = mantissa[0];
        limbs_[1] = mantissa[1];
        limbs_[2] = mantissa[2];
        size_ = 3;
        trim();
    }

    constexpr int size() const { return size_; }
    constexpr std::uint32_t limb(int index) const { return limbs_[index]; }
    constexpr bool isZero() const { return size_ == 0; }
    constexpr bool isOdd() const { return (limbs_[0] & 1U) != 0; }
    constexpr bool fitsIn96Bits() const { return size_ <= 3; }
    constexpr std::array<std::uint32_t, 3> low96() const {
        return {limbs_[0], limbs_[1], limbs_[2]};
    }

    // *this = *this * factor + addend.
    constexpr void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t t = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(carry);
        }
        trim();
    }

    constexpr void multiplyByPowerOfTen(int exponent) {
        for (; exponent >= 9; exponent -= 9) {
            multiplyAdd(1'000'000'000U, 0);
        }
        if (exponent > 0) {
            multiplyAdd(powerOfTen32(exponent), 0);
        }
    }

    // Divides in place and returns the remainder; divisor must not be zero.
    constexpr std::uint32_t divideBy(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            const std::uint64_t t = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(t / divisor);
            remainder = t % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(remainder);
    }

    constexpr void add(const BasicWideUint& other) {
        const int n = size_ > other.size_ ? size_ : other.size_;
        std::uint64_t carry = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t t = std::uint64_t{limbs_[i]} + other.limbs_[i] + carry;
            limbs_[i] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        size_ = n;
        if (carry != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(carry);
        }
    }

    // Requires *this >= other.
    constexpr void subtract(const BasicWideUint& other) {
        std::uint64_t borrow = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t t = std::uint64_t{limbs_[i]} - other.limbs_[i] - borrow;
            limbs_[i] = static_cast<std::uint32_t>(t);
            borrow = (t >> 32) != 0 ? 1 : 0;
        }
        trim();
    }

    static constexpr BasicWideUint product(const BasicWideUint& a, const BasicWideUint& b) {
        BasicWideUint result;
        if (a.isZero() || b.isZero()) {
            return result;
        }
        for (int i = 0; i < a.size_; ++i) {
            std::uint64_t carry = 0;
            for (int j = 0; j < b.size_; ++j) {
                const std::uint64_t t =
                    std::uint64_t{a.limbs_[i]} * b.limbs_[j] + result.limbs_[i + j] + carry;
                result.limbs_[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            result.limbs_[i + b.size_] = static_cast<std::uint32_t>(carry);
        }
        result.size_ = a.size_ + b.size_;
        result.trim();
        return result;
    }

    // Long division (Knuth's algorithm D); divisor must not be zero.
    static constexpr void divide(const BasicWideUint& numerator, const BasicWideUint& divisor,
                                 BasicWideUint& quotient, BasicWideUint& remainder) {
        quotient = BasicWideUint{};
        remainder = BasicWideUint{};
        if (numerator < divisor) {
            remainder = numerator;
            return;
        }
        if (divisor.size_ == 1) {
            quotient = numerator;
            remainder = BasicWideUint{quotient.divideBy(divisor.limbs_[0])};
            return;
        }
        const int m = numerator.size_;
        const int n = divisor.size_;
        const int shift = std::countl_zero(divisor.limbs_[n - 1]);
        std::array<std::uint32_t, capacity> v{};
        std::array<std::uint32_t, capacity + 1> u{};
        for (int i = n - 1; i >= 0; --i) {
            v[i] = shiftedLimb(divisor.limbs_[i], i > 0 ? divisor.limbs_[i - 1] : 0, shift);
        }
        u[m] = shiftedLimb(0, numerator.limbs_[m - 1], shift);
        for (int i = m - 1; i >= 0; --i) {
            u[i] = shiftedLimb(numerator.limbs_[i], i > 0 ? numerator.limbs_[i - 1] : 0, shift);
        }
        constexpr std::uint64_t base = std::uint64_t{1} << 32;
        for (int j = m - n; j >= 0; --j) {
            const std::uint64_t top = (std::uint64_t{u[j + n]} << 32) | u[j + n - 1];
            std::uint64_t qhat = top / v[n - 1];
            std::uint64_t rhat = top % v[n - 1];
            while (qhat >= base || qhat * v[n - 2] > ((rhat << 32) | u[j + n - 2])) {
                --qhat;
                rhat += v[n - 1];
                if (rhat >= base) {
                    break;
                }
            }
            std::int64_t borrow = 0;
            std::int64_t t = 0;
            for (int i = 0; i < n; ++i) {
                const std::uint64_t p = qhat * v[i];
                t = std::int64_t{u[i + j]} - borrow - static_cast<std::int64_t>(p & 0xFFFFFFFFU);
                u[i + j] = static_cast<std::uint32_t>(t);
                borrow = static_cast<std::int64_t>(p >> 32) - (t >> 32);
            }
            t = std::int64_t{u[j + n]} - borrow;
            u[j + n] = static_cast<std::uint32_t>(t);
            if (t < 0) {
                --qhat;
                std::uint64_t carry = 0;
                for (int i = 0; i < n; ++i) {
                    const std::uint64_t s = std::uint64_t{u[i + j]} + v[i] + carry;
                    u[i + j] = static_cast<std::uint32_t>(s);
                    carry = s >> 32;
                }
                u[j + n] = static_cast<std::uint32_t>(u[j + n] + carry);
            }
            quotient.limbs_[j] = static_cast<std::uint32_t>(qhat);
        }
        quotient.size_ = m - n + 1;
        quotient.trim();
        for (int i = 0; i < n; ++i) {
            remainder.limbs_[i] = shiftedBackLimb(u[i], u[i + 1], shift);
        }
        remainder.size_ = n;
        remainder.trim();
    }

    friend constexpr std::strong_ordering operator<=>(const BasicWideUint& a,
                                                      const BasicWideUint& b) {
        if (a.size_ != b.size_) {
            return a.size_ <=> b.size_;
        }
        for (int i = a.size_ - 1; i >= 0; --i) {
            if (a.limbs_[i] != b.limbs_[i]) {
                return a.limbs_[i] <=> b.limbs_[i];
            }
        }
        return std::strong_ordering::equal;
    }
    friend constexpr bool operator==(const BasicWideUint& a, const BasicWideUint& b) {
        return (a <=> b) == std::strong_ordering::equal;
    }

    static constexpr std::uint32_t powerOfTen32(int exponent) {
        std::uint32_t result = 1;
        for (int i = 0; i < exponent; ++i) {
            result *= 10;
        }
        return result;
    }

    constexpr int bitLength() const {
        return size_ == 0 ? 0 : 32 * size_ - std::countl_zero(limbs_[size_ - 1]);
    }
    constexpr bool bit(int index) const {
        return index >= 0 && index < 32 * size_ && ((limbs_[index / 32] >> (index % 32)) & 1U) != 0;
    }
    constexpr std::uint64_t low64() const { return (std::uint64_t{limbs_[1]} << 32) | limbs_[0]; }

    constexpr void shiftLeft(int bits) {
        if (size_ == 0 || bits == 0) {
            return;
        }
        const int whole = bits / 32;
        const int part = bits % 32;
        const int from = size_;
        size_ += whole + 1;
        for (int i = size_ - 1; i >= whole; --i) {
            const int j = i - whole;
            const std::uint32_t high = j < from ? limbs_[j] : 0;
            const std::uint32_t low = j >= 1 && j - 1 < from ? limbs_[j - 1] : 0;
            limbs_[i] = part == 0 ? high : shiftedLimb(high, low, part);
        }
        for (int i = 0; i < whole; ++i) {
            limbs_[i] = 0;
        }
        trim();
    }

    // Drops the `bits` lowest bits.
    constexpr void shiftRight(int bits) {
        const int whole = bits / 32;
        const int part = bits % 32;
        if (whole >= size_) {
            *this = BasicWideUint{};
            return;
        }
        for (int i = 0; i < size_; ++i) {
            const int j = i + whole;
            const std::uint32_t low = j < size_ ? limbs_[j] : 0;
            const std::uint32_t high = j + 1 < size_ ? limbs_[j + 1] : 0;
            limbs_[i] = part == 0 ? low : shiftedBackLimb(low, high, part);
        }
        trim();
    }

private:
    // The limb `high` shifted left by `shift` bits, filled from the top of `low`.
    static constexpr std::uint32_t shiftedLimb(std::uint32_t high, std::uint32_t low, int shift) {
        const std::uint64_t pair = (std::uint64_t{high} << 32) | low;
        return static_cast<std::uint32_t>(pair >> (32 - shift));
    }
    static constexpr std::uint32_t shiftedBackLimb(std::uint32_t low, std::uint32_t high,
                                                   int shift) {
        const std::uint64_t pair = (std::uint64_t{high} << 32) | low;
        return static_cast<std::uint32_t>(pair >> shift);
    }

    constexpr void trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) {
            --size_;
        }
    }

    std::array<std::uint32_t, capacity> limbs_{};
    int size_ = 0;
};

// Room for the exact intermediate results of DECIMAL arithmetic: a 96-bit mantissa times 10^57 is
// below 2^287.
using WideUint = BasicWideUint<10>;

}  // namespace sumora::detail
