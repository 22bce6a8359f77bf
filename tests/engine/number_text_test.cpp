#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "engine/decimal.h"
#include "engine/number_text.h"

namespace sumora {
namespace {

TEST(NumberText, WholeGroupedRoundsDecimalsHalfAwayFromZero) {
    constexpr std::string_view cases[][2] = {
        {"0.4999999999999999999999999999", "0"},
        {"2.5", "3"},
        {"-2.5", "-3"},
        {"999.5", "1,000"},
        {"-123", "-123"},
        {"-0.4", "0"},
        {"-79228162514264337593543950335", "-79,228,162,514,264,337,593,543,950,335"},
    };
    for (const auto& [value, want] : cases) {
        EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(parseDecimal(value).value), want) << value;
    }
}

// A double is taken to fifteen significant digits first, halves away from zero, and written in
// plain notation.
TEST(NumberText, DoublesGoToFifteenDigitsFirst) {
    const struct {
        double value;
        std::string_view text;
        std::string_view whole;
    } cases[] = {
        {0.49999999999999994, "0.5", "1"},
        {std::ldexp(1.0, 70), "1180591620717410000000", "1,180,591,620,717,410,000,000"},
        {1e23, "100000000000000000000000", "100,000,000,000,000,000,000,000"},
        {999999999999999.5, "1000000000000000", "1,000,000,000,000,000"},
        {-0.0, "0", "0"},
        {999999999999998.5, "999999999999999", "999,999,999,999,999"},
        {-999999999999998.5, "-999999999999999", "-999,999,999,999,999"},
        // A tie of an odd 53-bit mantissa.
        {4503599627370505.0, "4503599627370510", "4,503,599,627,370,510"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(doubleToText(c.value), c.text);
        EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(c.value), c.whole) << c.text;
    }
    std::string huge = "1";
    for (int i = 0; i < 100; ++i) {
        huge += ",000";
    }
    EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(1e300), huge);
    EXPECT_EQ(doubleToText(1e300), "1" + std::string(300, '0'));
}

// The reference: every digit of the double's exact value (no double has more than 767
// significant digits), rounded by hand to 15 significant digits, halves away from zero.
std::string referenceText(double value) {
    std::array<char, 900> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::scientific, 800)
                         .ptr;
    const std::string exact(buffer.data(), end);
    std::string digits = "0" + exact.substr(0, 1) + exact.substr(2, 14);
    int exponent = std::stoi(exact.substr(exact.find('e') + 1));
    if (exact[16] >= '5') {
        std::size_t i = 15;
        for (; digits[i] == '9'; --i) {
            digits[i] = '0';
        }
        ++digits[i];
    }
    if (digits[0] == '0') {
        digits.erase(0, 1);
    } else {
        ++exponent;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.empty()) {
        return "0";
    }
    // digits[0] stands for 10^exponent.
    const std::string sign = value < 0 ? "-" : "";
    const auto whole = static_cast<std::size_t>(std::max(exponent + 1, 0));
    if (exponent < 0) {
        return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    if (whole >= digits.size()) {
        return sign + digits + std::string(whole - digits.size(), '0');
    }
    return sign + digits.substr(0, whole) + "." + digits.substr(whole);
}

TEST(NumberText, DoubleToTextAgreesWithExactDigitsOnRandomDoubles) {
    // Fixed so that a failure can be replayed; mt19937_64's sequence is the same everywhere.
    std::mt19937_64 random{15};
    for (int i = 0; i < 3000; ++i) {
        const double value = std::bit_cast<double>(random());
        // Exact 16-digit ties: 15 digits and a half, so that the 16th significant digit is a 5.
        const double tie = static_cast<double>(100000000000000 + random() % 899999999999999) + 0.5;
        for (const double v : {value, -tie}) {
            if (std::isfinite(v)) {
                SCOPED_TRACE(referenceText(v));
                EXPECT_EQ(doubleToText(v), referenceText(v));
            }
        }
    }
}

TEST(NumberText, IgnoresALocaleWithADecimalComma) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    // The same locale under the names that glibc and Windows know it by.
    const char* const germanNames[] = {"de_DE.UTF-8", "German_Germany.1252", "German", "deu"};
    const bool germanSet = std::ranges::any_of(
        germanNames, [](const char* name) { return std::setlocale(LC_ALL, name) != nullptr; });
    if (!germanSet) {
        GTEST_SKIP() << "no German locale with a decimal comma is installed";
    }
    const Checked<Decimal> read = parseDecimal("1,234.5");
    EXPECT_EQ(plainText(read.value), "1234.5");
    EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(read.value), "1,235");
    EXPECT_EQ(read.value.toDouble(), 1234.5);
    EXPECT_EQ(parseDecimal("1.234,5").status, DecimalStatus::invalidText);
    EXPECT_EQ(doubleToText(std::sqrt(2.0)), "1.4142135623731");
    EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(1234567.5), "1,234,568");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace sumora
