#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/decimal.h"
#include "engine/number_text.h"

namespace sumora {
namespace {

struct ParseCase {
    std::string_view name;
    std::string_view text;
    std::string_view want;  // the plain text of the value, or empty on failure
    DecimalStatus status = DecimalStatus::ok;
};

constexpr ParseCase parseCases[] = {
    {"zero", "0", "0"},
    {"negative zero has no sign", "-0", "0"},
    {"zero with point", "0.", "0"},
    {"fraction without integer digits", ".5", "0.5"},
    {"negative fraction without integer digits", "-.5", "-0.5"},
    {"trailing point", "5.", "5"},
    {"leading zeros", "007.50", "7.5"},
    {"grouped thousands", "1,234", "1234"},
    {"grouped with fraction", "1,234,567.5", "1234567.5"},
    {"digit typed after grouped text", "1,2345", "12345"},
    {"negative grouped", "-999,999", "-999999"},
    {"range maximum", "79228162514264337593543950335", "79228162514264337593543950335"},
    {"range maximum grouped", "79,228,162,514,264,337,593,543,950,335",
     "79228162514264337593543950335"},
    {"range minimum", "-79228162514264337593543950335", "-79228162514264337593543950335"},
    {"one past the maximum", "79228162514264337593543950336", "", DecimalStatus::overflow},
    {"one past the minimum", "-79228162514264337593543950336", "", DecimalStatus::overflow},
    {"thirty integer digits", "100000000000000000000000000000", "", DecimalStatus::overflow},
    {"leading zeros do not count", "00000000000000000000000000000000001", "1"},
    {"maximum plus a half rounds up out of range", "79228162514264337593543950335.5", "",
     DecimalStatus::overflow},
    {"maximum plus less than a half stays", "79228162514264337593543950335.49",
     "79228162514264337593543950335"},
    {"28 fractional digits kept", "0.1234567890123456789012345678",
     "0.1234567890123456789012345678"},
    {"29th digit five rounds to even, down", "0.00000000000000000000000000025",
     "0.0000000000000000000000000002"},
    {"29th digit five rounds to even, up", "0.00000000000000000000000000035",
     "0.0000000000000000000000000004"},
    {"five followed by non-zero rounds up", "0.000000000000000000000000000250000001",
     "0.0000000000000000000000000003"},
    {"far digit beyond the kept ones still counts",
     "0.0000000000000000000000000002500000000000000000000000000000000000000001",
     "0.0000000000000000000000000003"},
    {"too small rounds to zero", "0.00000000000000000000000000001", "0"},
    {"mantissa full: fraction rounded to fit", "7.9228162514264337593543950335",
     "7.9228162514264337593543950335"},
    {"29 digits that fit at scale 28 round half to even there", "7.92281625142643375935439503345",
     "7.9228162514264337593543950334"},
    // Rounding at scale 28 gives 2^96, so one more digit goes, rounded from the exact text.
    {"rounding up past 96 bits drops another digit", "7.92281625142643375935439503355",
     "7.922816251426433759354395034"},
    {"integer part near the maximum keeps two decimals", "79228162514264337593543950.3355",
     "79228162514264337593543950.34"},
    {"empty", "", "", DecimalStatus::invalidText},
    {"point alone", ".", "", DecimalStatus::invalidText},
    {"minus alone", "-", "", DecimalStatus::invalidText},
    {"minus point", "-.", "", DecimalStatus::invalidText},
    {"leading comma", ",5", "", DecimalStatus::invalidText},
    {"comma after minus", "-,5", "", DecimalStatus::invalidText},
    {"comma in the fraction", "1.2,3", "", DecimalStatus::invalidText},
    {"two points", "1.2.3", "", DecimalStatus::invalidText},
    {"message text", "Answer too large or small", "", DecimalStatus::invalidText},
    {"letters", "12a", "", DecimalStatus::invalidText},
    {"leading blank", " 1", "", DecimalStatus::invalidText},
    {"trailing blank", "1 ", "", DecimalStatus::invalidText},
    {"plus sign", "+1", "", DecimalStatus::invalidText},
    {"double minus", "--1", "", DecimalStatus::invalidText},
    {"exponent", "1e5", "", DecimalStatus::invalidText},
    {"infinity text", "inf", "", DecimalStatus::invalidText},
};

TEST(ParseDecimal, ReadsDisplayTexts) {
    for (const ParseCase& c : parseCases) {
        SCOPED_TRACE(c.name);
        const Checked<Decimal> got = parseDecimal(c.text);
        EXPECT_EQ(got.status, c.status);
        if (c.status == DecimalStatus::ok) {
            EXPECT_EQ(plainText(got.value), c.want);
        }
    }
}

TEST(ParseDecimal, VeryLongTextsFailOrRoundWithoutTrouble) {
    EXPECT_EQ(parseDecimal(std::string(5000, '9')).status, DecimalStatus::overflow);
    EXPECT_EQ(plainText(parseDecimal("0." + std::string(5000, '9')).value), "1");
    EXPECT_EQ(plainText(parseDecimal(std::string(5000, '0') + "12").value), "12");
}

}  // namespace
}  // namespace sumora
