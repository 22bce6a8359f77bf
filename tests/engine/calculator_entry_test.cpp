#include <gtest/gtest.h>

#include "tests/engine/sequence_case.h"

namespace sumora::testing {
namespace {

TEST(CalculatorEntry, DigitsAndPoint) {
    constexpr SequenceCase cases[] = {
        {"zero stays zero", "0 0", "0", "", ""},
        {"leading zero replaced", "0 7", "7", "", ""},
        {"point on zero", ".", "0.", "", ""},
        {"digits after the point", ". 0 5", "0.05", "", ""},
        {"one point per number", "3 . 5 . 2", "3.52", "", ""},
        {"thirteen characters take one more", "1234567890123 4", "12345678901234", "", ""},
        {"fourteen characters take no more", "12345678901234 5", "12345678901234", "", ""},
        {"the sign counts", "1234567890123 +- 4", "-1234567890123", "", ""},
        {"the point counts", "123456789012.34", "123456789012.3", "", ""},
        {"digit after an operator", "2 + 3", "3", "+", ""},
        {"digit removes the equals sign", "2 = 7", "7", "", ""},
        {"digit on an empty display", "Mdis 5", "5", "", ""},
        {"new number after a point and an operator", "1 . + . 5", "0.5", "+", ""},
        // A value that already shows a point takes no second one.
        {"point on pi", "pi .", "3.1421", "", ""},
        {"point on a root", "2 Sqr .", "1.4142135623731", "Sqr", ""},
        {"point on a recalled value", "1.5 Mre Sqr Mdis .", "1.5", "Sqr", "1.5"},
        {"digit after such a point", "pi . 5", "3.14215", "", ""},
    };
    expectLabels(cases);
}

TEST(CalculatorEntry, SignAndPi) {
    constexpr SequenceCase cases[] = {
        {"sign of zero", "+-", "0", "", ""},
        {"negate", "12 +-", "-12", "", ""},
        {"negate twice", "12 +- +-", "12", "", ""},
        {"negate zero with a point", ". +-", "-0.", "", ""},
        {"digit after the sign", "12 +- 3", "-123", "", ""},
        {"negate a grouped result", "1234 + 0 = +-", "-1,234", "=", ""},
        {"sign of an empty display", "Mdis +-", "", "", ""},
        {"pi", "pi", "3.1421", "", ""},
        {"digit appends to pi", "pi 5", "3.14215", "", ""},
        {"pi after an operator", "7 + pi", "3.1421", "+", ""},
    };
    expectLabels(cases);
}

TEST(CalculatorEntry, PiAndSignChangeNoState) {
    constexpr std::string_view prefixes[] = {"", "7 +", "7 + 2", "7 + 2 =", "7 + ."};
    for (std::string_view prefix : prefixes) {
        SCOPED_TRACE(prefix);
        Session session;
        session.run(prefix);
        const CalculatorState before = session.calculator.state();
        session.run("pi +-");
        EXPECT_EQ(session.calculator.state(), before);
    }
}

}  // namespace
}  // namespace sumora::testing
