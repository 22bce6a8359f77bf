#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "engine/power_rounded.h"
#include "engine/wide_uint.h"

namespace sumora {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

std::uint64_t bitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// Expected values: the exact power rounded to the nearest double, ties to even, by Python
// (fractions.Fraction for whole exponents, decimal at 100 digits for the others).
TEST(PowerRoundedToNearestEven, HardCases) {
    struct Case {
        std::string_view name;
        double base;
        double exponent;
        double want;
    };
    constexpr Case cases[] = {
        {"3.1421 to the 51st", 0x1.92305532617c2p+1, 51, 0x1.2df42acd84803p+84},
        {"3.1421 to the 54th", 0x1.92305532617c2p+1, 54, 0x1.24b7fe0d333a8p+89},
        {"root 3 to the 58th", 0x1.bb67ae8584caap+0, 58, 0x1.f35a0a1bec962p+45},
        {"sqrt 11 to the 51st, next to a 15-digit half", 0x1.a887293fd6f34p+1, 51,
         0x1.293e97251e68ep+88},
        {"3.1421 to the 36th, next to a 15-digit half", 0x1.92305532617c2p+1, 36,
         0x1.60b00d5f1ebd7p+59},
        {"3.1421 to the 72nd, next to a 15-digit half", 0x1.92305532617c2p+1, 72,
         0x1.e5e49dd7f8061p+118},
        {"sqrt 6 to the 51st, next to a 15-digit half", 0x1.3988e1409212ep+1, 51,
         0x1.e338f498f7a43p+65},
        {"3 to the 34th, exactly between two doubles", 3, 34, 0x1.d9fe779881944p+53},
        {"a square 2^-79 above the middle of two doubles", 0x1.0000002d413cdp+52, 2,
         0x1.0000005a8279bp+104},
        {"-3 to the 35th", -3, 35, -0x1.637ed9b2612f3p+55},
        {"-3 to the 34th", -3, 34, 0x1.d9fe779881944p+53},
        {"(2^18 - 1)^2 to the 1.5th, exactly between two doubles", 0x1.ffff000020000p+35, 1.5,
         0x1.fffe800060000p+53},
        {"2^-43 to the 25th, exactly half the least double", 0x1p-43, 25, 0},
        {"0.5 to the 1074th, the least double", 0.5, 1074, 0x0.0000000000001p-1022},
        {"0.1 to the 320th, below the normal range", 0.1, 320, 0x0.00000000007e8p-1022},
        {"0.1 to the 400th, below the least double", 0.1, 400, 0},
        {"2 to just below the 1024th", 2, 0x1.ffffffffffffep+9, 0x1.ffffffffffa74p+1023},
        {"10 to the 308.2547th, near the largest double", 10, 0x1.34413404ea4a9p+8,
         0x1.fffb4dd50f1dfp+1023},
        {"10 to the 308.2548th, past the largest double", 10, 0x1.34413a92a3055p+8, infinity},
        {"2 to the half", 2, 0.5, 0x1.6a09e667f3bcdp+0},
        {"10 to minus the half", 10, -0.5, 0x1.43d136248490fp-2},
        {"near one to billions", 0x1.000001ad7f29bp+0, 0x1.a13b86p+32, 0x1.d941ae6e762d4p+1009},
        {"7 to minus 3", 7, -3, 0x1.7e225515a4f1dp-9},
        {"0 to the 0th", 0, 0, 1},
        {"0 to the 5th", 0, 5, 0},
        {"minus 0 to the 3rd", -0.0, 3, -0.0},
        {"minus 1 to a huge even power", -1, 0x1p60, 1},
        {"1 to a huge power", 1, 1e300, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bitsOf(powerRoundedToNearestEven(c.base, c.exponent)), bitsOf(c.want));
    }
}

using Exact = detail::BasicWideUint<40>;

std::string hexDigits(const Exact& value) {
    std::string hex;
    for (int limb = value.size() - 1; limb >= 0; --limb) {
        std::array<char, 8> digits{};
        const char* end =
            std::to_chars(digits.data(), digits.data() + digits.size(), value.limb(limb), 16).ptr;
        const auto written = static_cast<std::size_t>(end - digits.data());
        hex.append(digits.size() - written, '0').append(digits.data(), written);
    }
    return hex;
}

// x = X / 2^s to a whole power n, of X of 2 to 53 bits and x in [1/2, 4), against the exact
// X^n / 2^(s n) written in hexadecimal and read back by from_chars, which rounds to nearest,
// ties to even. Few-bit X give exact results and results exactly between two doubles.
TEST(PowerRoundedToNearestEven, WholePowersMatchTheExactPower) {
    std::mt19937_64 random(
        static_cast<std::uint64_t>(::testing::UnitTest::GetInstance()->random_seed()));
    for (int i = 0; i < 3000; ++i) {
        const int bits = 2 + static_cast<int>(random() % 52);
        const std::uint64_t x = (std::uint64_t{1} << (bits - 1)) | (random() >> (65 - bits));
        const int n = 2 + static_cast<int>(random() % (1200 / bits));
        const int s = bits - 2 + static_cast<int>(random() % 3);
        Exact exact{1};
        for (int j = 0; j < n; ++j) {
            exact = Exact::product(exact, Exact{x});
        }
        const std::string text = hexDigits(exact) + "p-" + std::to_string(s * n);
        double want = 0;
        std::from_chars(text.data(), text.data() + text.size(), want, std::chars_format::hex);
        SCOPED_TRACE(std::to_string(x) + " / 2^" + std::to_string(s) + " to the " +
                     std::to_string(n));
        EXPECT_EQ(bitsOf(powerRoundedToNearestEven(std::ldexp(static_cast<double>(x), -s), n)),
                  bitsOf(want));
    }
}

}  // namespace
}  // namespace sumora
