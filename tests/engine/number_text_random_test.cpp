#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "engine/number_text.h"

namespace sumora {
namespace {

// The reference: every digit of the double's exact value (no double has more than 767
// significant digits), rounded by hand to 15 significant digits, halves away from zero.
std::string referenceText(double value) {
    if (value == 0.0) {
        return "0";
    }
    std::array<char, 900> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific, 800);
    const std::string exact(buffer.data(), written.ptr);
    std::string digits = exact.substr(0, 1) + exact.substr(2, 14);
    int exponent = std::stoi(exact.substr(exact.find('e') + 1));
    if (exact[16] >= '5') {
        int i = 14;
        for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
            digits[static_cast<std::size_t>(i)] = '0';
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    // digits[0] stands for 10^exponent.
    std::string text = value < 0 ? "-" : "";
    const int integerDigits = exponent + 1;
    if (integerDigits <= 0) {
        text += "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        text += digits + std::string(integerDigits - digits.size(), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
                digits.substr(static_cast<std::size_t>(integerDigits));
    }
    return text;
}

// Exact 16-digit ties: a whole part of 15 - k digits and a fraction j / 2^k, whose k digits end
// in 5, so that the 16th significant digit is a 5 with nothing after it.
double randomTie(std::mt19937_64& random) {
    const int k = 1 + static_cast<int>(random() % 4);
    const std::uint64_t denominator = std::uint64_t{1} << k;
    const std::uint64_t odd = (random() % (denominator / 2)) * 2 + 1;
    std::uint64_t whole = 1;
    for (int i = 0; i < 15 - k; ++i) {
        whole *= 10;
    }
    whole += random() % (whole * 9);
    const double value =
        static_cast<double>(whole) + static_cast<double>(odd) / static_cast<double>(denominator);
    return (random() & 1) != 0 ? -value : value;
}

double randomFinite(std::mt19937_64& random) {
    double value = 0.0;
    do {
        value = std::bit_cast<double>(random());
    } while (!std::isfinite(value));
    return value;
}

// Fixed so that a failure can be replayed; mt19937_64's sequence is the same everywhere.
constexpr std::uint64_t seed = 15;
constexpr int rounds = 3000;

TEST(DoubleToText, AgreesWithExactDigitsOnRandomDoubles) {
    ASSERT_EQ(referenceText(0.1), "0.1");
    ASSERT_EQ(referenceText(999999999999998.5), "999999999999999");
    std::mt19937_64 random{seed};
    for (int i = 0; i < rounds; ++i) {
        for (const double value : {randomFinite(random), randomTie(random)}) {
            SCOPED_TRACE(std::to_string(i) + ": " + referenceText(value));
            EXPECT_EQ(doubleToText(value), referenceText(value));
        }
    }
}

}  // namespace
}  // namespace sumora
