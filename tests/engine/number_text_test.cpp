#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/decimal.h"
#include "engine/number_text.h"

namespace sumora {
namespace {

struct DecimalFormatCase {
    std::string_view name;
    std::string_view value;
    std::string_view want;
};

constexpr DecimalFormatCase wholeDecimalCases[] = {
    {"zero", "0", "0"},
    {"half rounds away from zero", "0.5", "1"},
    {"just below a half", "0.4999999999999999999999999999", "0"},
    {"two and a half", "2.5", "3"},
    {"minus two and a half", "-2.5", "-3"},
    {"carry into a new group", "999.5", "1,000"},
    {"thousand", "1000", "1,000"},
    {"three digits have no separator", "-123", "-123"},
    {"six digits", "-999,999", "-999,999"},
    {"seven digits", "1234567", "1,234,567"},
    {"negative rounding to zero has no sign", "-0.4", "0"},
    {"quotient 2/3 at full scale", "0.6666666666666666666666666667", "1"},
    {"range maximum", "79228162514264337593543950335", "79,228,162,514,264,337,593,543,950,335"},
    {"range minimum", "-79228162514264337593543950335", "-79,228,162,514,264,337,593,543,950,335"},
    {"largest mantissa at scale 1", "7922816251426433759354395033.5",
     "7,922,816,251,426,433,759,354,395,034"},
};

TEST(FormatWholeGrouped, RoundsDecimalsHalfAwayFromZero) {
    for (const DecimalFormatCase& c : wholeDecimalCases) {
        SCOPED_TRACE(c.name);
        const Checked<Decimal> value = parseDecimal(c.value);
        ASSERT_TRUE(value.ok());
        EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(value.value), c.want);
    }
}

struct DoubleFormatCase {
    std::string_view name;
    double value;
    std::string_view want;
};

const DoubleFormatCase wholeDoubleCases[] = {
    {"zero", 0.0, "0"},
    {"negative zero", -0.0, "0"},
    {"half", 0.5, "1"},
    {"minus two and a half", -2.5, "-3"},
    {"power of two", 1024.0, "1,024"},
    // 0.49999999999999994 is 0.500000000000000 at fifteen digits, which then rounds up.
    {"just below a half reads as a half", 0.49999999999999994, "1"},
    {"negative rounding to zero", -0.4, "0"},
    {"two to the seventieth", std::ldexp(1.0, 70), "1,180,591,620,717,410,000,000"},
    {"ten to the 23rd, not its binary noise", 1e23, "100,000,000,000,000,000,000,000"},
    {"fifteen nines and a half", 999999999999999.5, "1,000,000,000,000,000"},
};

TEST(FormatWholeGrouped, TakesDoublesToFifteenDigitsFirst) {
    for (const DoubleFormatCase& c : wholeDoubleCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(c.value), c.want);
    }
}

TEST(FormatWholeGrouped, WritesHugeDoublesInFull) {
    std::string want = "1";
    for (int i = 0; i < 100; ++i) {
        want += ",000";
    }
    EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(1e300), want);
}

const DoubleFormatCase doubleTextCases[] = {
    {"zero", 0.0, "0"},
    {"negative zero", -0.0, "0"},
    {"short fraction", 3.1421, "3.1421"},
    {"root of two", std::sqrt(2.0), "1.4142135623731"},
    {"root of four", std::sqrt(4.0), "2"},
    {"root of a very small value in plain notation", std::sqrt(0.000000000001), "0.000001"},
    {"tie at the 16th digit rounds away from zero", 999999999999998.5, "999999999999999"},
    {"negative tie", -999999999999998.5, "-999999999999999"},
    {"sixteen digits lose the last", 1234567890123456.0, "1234567890123460"},
    {"pi", 3.14159265358979323846, "3.14159265358979"},
    {"one third", 1.0 / 3.0, "0.333333333333333"},
    {"two thirds", 2.0 / 3.0, "0.666666666666667"},
    {"ten to the 23rd", 1e23, "100000000000000000000000"},
    {"small value", 1.5e-10, "0.00000000015"},
};

TEST(DoubleToText, WritesFifteenDigitsInPlainNotation) {
    for (const DoubleFormatCase& c : doubleTextCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(doubleToText(c.value), c.want);
    }
}

TEST(DoubleToText, WritesHugeDoublesWithoutExponent) {
    EXPECT_EQ(doubleToText(1e300), "1" + std::string(300, '0'));
}

constexpr DecimalFormatCase plainTextCases[] = {
    {"trailing zeros dropped", "1.50", "1.5"},
    {"whole value drops the point", "3.0", "3"},
    {"grouping is not kept", "1,234", "1234"},
    {"negative fraction", "-0.5", "-0.5"},
    {"zero with scale", "0.000", "0"},
    {"smallest unit", "0.0000000000000000000000000001", "0.0000000000000000000000000001"},
};

TEST(PlainText, DropsTrailingZerosAndGrouping) {
    for (const DecimalFormatCase& c : plainTextCases) {
        SCOPED_TRACE(c.name);
        const Checked<Decimal> value = parseDecimal(c.value);
        ASSERT_TRUE(value.ok());
        EXPECT_EQ(plainText(value.value), c.want);
    }
}

// Puts the process locale back however the test ends.
class ProcessLocale {
public:
    ProcessLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~ProcessLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;

private:
    std::string saved_;
};

TEST(NumberText, IgnoresALocaleWithADecimalComma) {
    const ProcessLocale restore;
    // The same locale under the names that glibc and Windows know it by.
    const char* const germanNames[] = {"de_DE.UTF-8", "German_Germany.1252", "German", "deu"};
    const bool germanSet = std::ranges::any_of(
        germanNames, [](const char* name) { return std::setlocale(LC_ALL, name) != nullptr; });
    if (!germanSet) {
        GTEST_SKIP() << "no German locale with a decimal comma is installed";
    }
    const Checked<Decimal> read = parseDecimal("1,234.5");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(plainText(read.value), "1234.5");
    EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(read.value), "1,235");
    EXPECT_EQ(read.value.toDouble(), 1234.5);
    EXPECT_EQ(parseDecimal("1.234,5").status, DecimalStatus::invalidText);
    EXPECT_EQ(doubleToText(std::sqrt(2.0)), "1.4142135623731");
    EXPECT_EQ(formatWholeGroupedHalfAwayFromZero(1234567.5), "1,234,568");
}

}  // namespace
}  // namespace sumora
