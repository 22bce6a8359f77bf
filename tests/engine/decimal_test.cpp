#include <gtest/gtest.h>

#include <compare>
#include <limits>
#include <string_view>
#include <type_traits>

#include "engine/decimal.h"
#include "tests/engine/decimal_from_text.h"

namespace sumora {
namespace {

static_assert(std::is_trivially_copyable_v<Decimal>);
static_assert(!std::is_convertible_v<int, Decimal>, "conversions are explicit");
static_assert(Decimal{-5}.isNegative() && Decimal{0}.isZero());

struct CompareCase {
    std::string_view name;
    std::string_view a;
    std::string_view b;
    std::strong_ordering want;
};

const CompareCase compareCases[] = {
    {"equal values of different scale", "1.50", "1.5", std::strong_ordering::equal},
    {"zero and negative zero", "0", "-0.00", std::strong_ordering::equal},
    {"negative below positive", "-1", "0.5", std::strong_ordering::less},
    {"larger negative is smaller", "-2", "-1.5", std::strong_ordering::less},
    {"scale decides nothing on its own", "10", "9.999999999999999999999999999",
     std::strong_ordering::greater},
    {"maximum against the smallest unit", "79228162514264337593543950335",
     "0.0000000000000000000000000001", std::strong_ordering::greater},
};

TEST(Decimal, ComparesByValue) {
    for (const CompareCase& c : compareCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(number(c.a) <=> number(c.b), c.want);
        EXPECT_EQ(number(c.b) <=> number(c.a), 0 <=> c.want);
    }
}

struct PartsCase {
    std::string_view name;
    std::uint32_t hi, mid, lo;
    int scale;
    DecimalStatus status;
};

constexpr PartsCase partsCases[] = {
    {"largest mantissa", 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0, DecimalStatus::ok},
    {"largest scale", 0, 0, 1, 28, DecimalStatus::ok},
    {"scale 29", 0, 0, 1, 29, DecimalStatus::overflow},
    {"negative scale", 0, 0, 1, -1, DecimalStatus::overflow},
};

TEST(Decimal, FromPartsChecksTheScale) {
    for (const PartsCase& c : partsCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Decimal::fromParts(false, c.hi, c.mid, c.lo, c.scale).status, c.status);
    }
    EXPECT_EQ(Decimal::max(), number("79228162514264337593543950335"));
    EXPECT_EQ(Decimal{std::numeric_limits<std::int64_t>::min()}, number("-9223372036854775808"));
}

struct DoubleCase {
    std::string_view name;
    std::string_view value;
    double want;
};

const DoubleCase doubleCases[] = {
    {"whole", "1,024", 1024.0},
    {"tenth is the nearest double, not a sum of rounded parts", "0.1", 0.1},
    {"negative fraction", "-2.5", -2.5},
    {"maximum", "79228162514264337593543950335", 79228162514264337593543950335.0},
    {"smallest unit", "0.0000000000000000000000000001", 1e-28},
    {"28 decimals", "3.1415926535897932384626433833", 3.141592653589793},
};

TEST(Decimal, ConvertsToTheNearestDouble) {
    for (const DoubleCase& c : doubleCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(number(c.value).toDouble(), c.want);
    }
}

}  // namespace
}  // namespace sumora
