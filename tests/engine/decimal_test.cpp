#include <gtest/gtest.h>

#include <algorithm>
#include <compare>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "engine/decimal.h"
#include "engine/number_text.h"
#include "engine/wide_uint.h"

namespace sumora {
namespace {

static_assert(std::is_trivially_copyable_v<Decimal>);

Decimal number(std::string_view text) {
    const Checked<Decimal> parsed = parseDecimal(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value;
}

constexpr std::string_view maxText = "79228162514264337593543950335";
constexpr std::string_view minText = "-79228162514264337593543950335";

struct ParseCase {
    std::string_view text;
    std::string_view want;  // the plain text of the value, or empty on failure
    DecimalStatus status = DecimalStatus::ok;
};

constexpr ParseCase parseCases[] = {
    {"-0", "0"},
    {"-.5", "-0.5"},
    {"1,234,567.5", "1234567.5"},
    {"1,2345", "12345"},  // a digit typed after grouped text
    {"79,228,162,514,264,337,593,543,950,335", maxText},
    {minText, minText},
    {"79228162514264337593543950336", "", DecimalStatus::overflow},
    {"79228162514264337593543950335.5", "", DecimalStatus::overflow},
    {"79228162514264337593543950335.49", maxText},
    // Ties to even, a far non-zero digit breaks a tie, trailing zeros do not.
    {"0.00000000000000000000000000025", "0.0000000000000000000000000002"},
    {"0.00000000000000000000000000035", "0.0000000000000000000000000004"},
    {"0.0000000000000000000000000002500000000000000000000000000000000000000001",
     "0.0000000000000000000000000003"},
    {"0.000000000000000000000000000250", "0.0000000000000000000000000002"},
    {"0.00000000000000000000000000001", "0"},
    // Rounding at scale 28 gives 2^96, so one more digit goes, rounded from the exact text.
    {"7.92281625142643375935439503355", "7.922816251426433759354395034"},
    {"", "", DecimalStatus::invalidText},
    {".", "", DecimalStatus::invalidText},
    {",5", "", DecimalStatus::invalidText},
    {"1.2.3", "", DecimalStatus::invalidText},
    {"+1", "", DecimalStatus::invalidText},
};

TEST(ParseDecimal, ReadsDisplayTexts) {
    for (const ParseCase& c : parseCases) {
        SCOPED_TRACE(c.text);
        const Checked<Decimal> got = parseDecimal(c.text);
        EXPECT_EQ(got.status, c.status);
        EXPECT_EQ(got.ok() ? plainText(got.value) : "", c.want);
    }
    EXPECT_EQ(parseDecimal(std::string(5000, '9')).status, DecimalStatus::overflow);
    EXPECT_EQ(plainText(parseDecimal("0." + std::string(5000, '9')).value), "1");
}

using Operation = Checked<Decimal> (*)(const Decimal&, const Decimal&);

struct ArithmeticCase {
    std::string_view a;
    Operation op;
    std::string_view b;
    std::string_view want;  // plain text of the result, or empty on failure
    DecimalStatus status = DecimalStatus::ok;
};

// Expected values with 28 or 29 digits were checked with Python's decimal module at 300 digits.
constexpr ArithmeticCase arithmeticCases[] = {
    {"-10", add, "2.5", "-7.5"},
    {"0.5", add, "-10000000000000000000000000001", "-10000000000000000000000000000"},
    {maxText, add, "1", "", DecimalStatus::overflow},
    {minText, subtract, "1", "", DecimalStatus::overflow},
    {maxText, add, "0.5", "", DecimalStatus::overflow},
    {"1.0000000000000000000000000005", add, "9", "10"},
    {"1.0000000000000000000000000015", add, "9", "10.000000000000000000000000002"},
    {maxText, multiply, "2", "", DecimalStatus::overflow},
    // Product ties to even; a distant non-zero digit breaks the tie; dropped zeros do not.
    {"0.00000000000005", multiply, "0.000000000000005", "0.0000000000000000000000000002"},
    {"0.00000000000005", multiply, "0.000000000000005000020000000",
     "0.0000000000000000000000000003"},
    {"-0.00000000000005", multiply, "0.000000000000007", "-0.0000000000000000000000000004"},
    {"0.0000000000000000000000000015", multiply, "0.100000000", "0.0000000000000000000000000002"},
    {"0.0000000000000000000000000025", multiply, "0.100000000", "0.0000000000000000000000000002"},
    {"1.2345678901234567890123456789", multiply, "1.2345678901234567890123456789",
     "1.5241578753238836750495351563"},
    {"2", divide, "3", "0.6666666666666666666666666667"},
    {"10", divide, "3", "3.3333333333333333333333333333"},
    {"100", divide, "3", "33.333333333333333333333333333"},
    {"10", divide, "-2", "-5"},
    {"-12.345", divide, "0.0007", "-17635.714285714285714285714286"},
    {"1.000000000000000000000000001", divide, "3", "0.3333333333333333333333333337"},
    {"7.5", divide, "0.25", "30"},
    {maxText, divide, "0.1", "", DecimalStatus::overflow},
    {"1", divide, maxText, "0"},
    {"5", divide, "0", "", DecimalStatus::divisionByZero},
    // Divisors 2^32 and 2^64: zero in their low limbs, not zero.
    {"1", divide, "4294967296", "0.0000000002328306436538696289"},
    {"1", divide, "18446744073709551616", "0.0000000000000000000542101086"},
};

TEST(DecimalArithmetic, MatchesWorkedResults) {
    for (const ArithmeticCase& c : arithmeticCases) {
        SCOPED_TRACE(std::string(c.a) + ", " + std::string(c.b));
        const Checked<Decimal> got = c.op(number(c.a), number(c.b));
        EXPECT_EQ(got.status, c.status);
        EXPECT_EQ(got.ok() ? plainText(got.value) : "", c.want);
    }
}

TEST(Decimal, ComparesAndConvertsByValue) {
    EXPECT_EQ(number("1.50") <=> number("1.5"), std::strong_ordering::equal);
    EXPECT_EQ(number("-0.00") <=> number("0"), std::strong_ordering::equal);
    EXPECT_TRUE(number("1.50") == number("1.5"));
    EXPECT_FALSE(number("1.5") == number("1.51"));
    EXPECT_EQ(number("-2") <=> number("-1.5"), std::strong_ordering::less);
    EXPECT_EQ(number("10") <=> number("9.999999999999999999999999999"),
              std::strong_ordering::greater);
    EXPECT_EQ(Decimal::fromParts(false, 0, 0, 1, 29).status, DecimalStatus::overflow);
    // An exact quotient keeps the decimals its operands imply, no more.
    for (const auto& [a, b, scale] : {std::tuple{"10", "4", 1}, std::tuple{"7.50", "2.5", 1},
                                      std::tuple{"1", "8", 3}, std::tuple{"10", "2", 0}}) {
        EXPECT_EQ(divide(number(a), number(b)).value.scale(), scale) << a << " / " << b;
    }
}

TEST(Decimal, ConvertsToTheNearestDouble) {
    // The compiler's reading of the same digits as a literal is the nearest double.
    const std::pair<std::string_view, double> cases[] = {
        {"0.1", 0.1},
        {"-12345678901.5", -12345678901.5},
        {"18446744073709551616", 18446744073709551616.0},
        {"-79228162514264337593543950335", -79228162514264337593543950335.0},
        {"7.9228162514264337593543950335", 7.9228162514264337593543950335},
        {"-0.0000000000000000000000000001", -1e-28},
        {"0.00000000000000000000001", 1e-23},
        // Just above 2^53: dividing the mantissa as a double would round twice.
        {"1751441470716944.3", 1751441470716944.3},
        {"-123456789012.3456789", -123456789012.3456789},
    };
    for (const auto& [text, want] : cases) {
        EXPECT_EQ(number(text).toDouble(), want) << text;
    }
}

// An exact reference for random operands, seeded so a failure can be replayed. Integer operands
// below 2^30 keep every exact product, sum and scaled quotient inside 128 bits.
__extension__ typedef unsigned __int128 Wide;

Wide powerOfTen(int exponent) {
    Wide result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 10;
    }
    return result;
}

// The mantissa of d as a value at the given scale, which is at least d's own.
Wide atScale(const Decimal& d, int scale) {
    const auto& limbs = d.mantissa();
    return ((Wide{limbs[2]} << 64) | (Wide{limbs[1]} << 32) | limbs[0]) *
           powerOfTen(scale - d.scale());
}

TEST(DecimalArithmetic, AgreesWithExactComputationOnRandomOperands) {
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::uint32_t> digits(0, (1U << 30) - 1);
    std::uniform_int_distribution<int> scales(0, 9);
    for (int round = 0; round < 3000; ++round) {
        const bool negativeA = (random() & 1) != 0;
        const bool negativeB = (random() & 1) != 0;
        const std::uint32_t a = digits(random);
        const std::uint32_t b = digits(random) | 1;
        const int scaleA = scales(random);
        const int scaleB = scales(random);
        const Decimal x = Decimal::fromParts(negativeA, 0, 0, a, scaleA).value;
        const Decimal y = Decimal::fromParts(negativeB, 0, 0, b, scaleB).value;
        SCOPED_TRACE(plainText(x) + ", " + plainText(y));

        // The product is exact: |a*b| at scale scaleA + scaleB.
        const Checked<Decimal> product = multiply(x, y);
        ASSERT_TRUE(product.ok());
        ASSERT_LE(product.value.scale(), scaleA + scaleB);
        EXPECT_EQ(atScale(product.value, scaleA + scaleB), Wide{a} * b);
        EXPECT_EQ(product.value.isNegative(), negativeA != negativeB && a != 0);

        // The sum is exact at the larger scale.
        const int common = std::max(scaleA, scaleB);
        const Wide alignedA = Wide{a} * powerOfTen(common - scaleA);
        const Wide alignedB = Wide{b} * powerOfTen(common - scaleB);
        const bool sameSign = negativeA == negativeB;
        const Wide sum = sameSign
                             ? alignedA + alignedB
                             : (alignedA > alignedB ? alignedA - alignedB : alignedB - alignedA);
        const Checked<Decimal> total = add(x, y);
        ASSERT_TRUE(total.ok());
        ASSERT_LE(total.value.scale(), common);
        EXPECT_EQ(atScale(total.value, common), sum);
    }
}

// Divisors of 1 to 96 bits, past 32 bits on the long-division path. With a = A / 10^sa, b = B and
// the quotient Q / 10^sq, multiplying back gives the error |Q * B * 10^sa - A * 10^sq|, which must
// be at most half of B * 10^sa, with an even Q on a tie; the quotient has 28 decimals unless it is
// exact or one more digit would not fit in 96 bits.
TEST(DecimalArithmetic, LongDivisionMultipliesBack) {
    using detail::WideUint;
    std::mt19937_64 random(20261207);
    for (int round = 0; round < 3000; ++round) {
        const int divisorBits = 1 + static_cast<int>(random() % 96);
        const Wide divisor = (((Wide{random()} << 64) | random()) >> (128 - divisorBits)) |
                             (Wide{1} << (divisorBits - 1));
        const Wide dividend = ((Wide{random()} << 64) | random()) >> (32 + random() % 64);
        const auto limb = [](Wide v, int shift) { return static_cast<std::uint32_t>(v >> shift); };
        const Decimal b =
            Decimal::fromParts(false, limb(divisor, 64), limb(divisor, 32), limb(divisor, 0), 0)
                .value;
        const int scaleA = 1 + static_cast<int>(random() % 9);
        const Decimal a = Decimal::fromParts((round & 1) != 0, limb(dividend, 64),
                                             limb(dividend, 32), limb(dividend, 0), scaleA)
                              .value;
        SCOPED_TRACE(plainText(a) + " / " + plainText(b));
        const Checked<Decimal> q = divide(a, b);
        ASSERT_TRUE(q.ok());
        EXPECT_EQ(q.value.isNegative(), a.isNegative() && !q.value.isZero());

        WideUint back = WideUint::product(WideUint{q.value.mantissa()}, WideUint{b.mantissa()});
        back.multiplyByPowerOfTen(scaleA);
        WideUint exact{a.mantissa()};
        exact.multiplyByPowerOfTen(q.value.scale());
        WideUint error = back >= exact ? back : exact;
        error.subtract(back >= exact ? exact : back);
        WideUint halfUnit{b.mantissa()};
        halfUnit.multiplyByPowerOfTen(scaleA);
        error.multiplyAdd(2, 0);
        EXPECT_LE(error, halfUnit);
        EXPECT_TRUE(error != halfUnit || q.value.mantissa()[0] % 2 == 0);
        WideUint tenTimes{q.value.mantissa()};
        tenTimes.multiplyAdd(10, 0);
        EXPECT_TRUE(error.isZero() || q.value.scale() == Decimal::maxScale ||
                    !tenTimes.fitsIn96Bits());
    }
}

// Limbs near the edges of 32 bits reach the rare corrections of long division (an estimate two
// too large, the add-back) that random limbs almost never do; q * v + r == u with r < v holds
// for exactly one pair.
TEST(WideUint, DivisionOfEdgeLimbsMultipliesBack) {
    using detail::WideUint;
    constexpr std::uint32_t edges[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};
    std::mt19937 random(7);
    const auto wide = [&](int limbs) {
        WideUint value;
        for (int i = 0; i < limbs; ++i) {
            const std::uint32_t limb = random() % 4 == 0 ? random() : edges[random() % 6];
            value.multiplyAdd(0x10000, 0);
            value.multiplyAdd(0x10000, limb);
        }
        return value;
    };
    for (int round = 0; round < 20000; ++round) {
        const WideUint u = wide(2 + static_cast<int>(random() % 7));
        const WideUint v = wide(2 + static_cast<int>(random() % 3));
        if (v.size() < 2) {
            continue;
        }
        WideUint q;
        WideUint r;
        WideUint::divide(u, v, q, r);
        EXPECT_LT(r, v);
        WideUint back = WideUint::product(q, v);
        back.add(r);
        ASSERT_EQ(back, u) << round;
    }
}

}  // namespace
}  // namespace sumora
