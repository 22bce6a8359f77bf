#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tests/engine/key_sequence.h"

namespace sumora::testing {
namespace {

struct RoutingCase {
    std::string_view name;
    std::string_view keys;
    std::string_view focus;
    std::string_view display;
    std::string_view indicator;
};

void expectRouting(std::span<const RoutingCase> cases) {
    for (const RoutingCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + std::string(c.keys));
        Session session;
        session.run(c.keys);
        EXPECT_EQ(session.focus(), c.focus);
        EXPECT_EQ(session.display(), c.display);
        EXPECT_EQ(session.indicator(), c.indicator);
    }
}

// Every row of the key table, typed with "9" on the display and the focus on the "9" key.
TEST(KeyboardRouting, KeyTable) {
    constexpr RoutingCase cases[] = {
        {"Escape", "9 Esc", "cmdNum0", "0", ""},
        {"point", "9 '.'", "cmdPt", "9.", ""},
        {"digit 0", "9 '0'", "cmdNum0", "90", ""},
        {"digit 5", "9 '5'", "cmdNum5", "95", ""},
        {"digit 9", "9 '9'", "cmdNum9", "99", ""},
        {"plus", "9 '+'", "cmdOp0", "9", "+"},
        {"minus", "9 '-'", "cmdOp1", "9", "-"},
        {"star multiplies", "9 '*'", "cmdOp2", "9", "x"},
        {"slash", "9 '/'", "cmdOp3", "9", "/"},
        {"caret", "9 '^'", "cmdOp4", "9", "^"},
        {"hash takes the root", "9 '#'", "cmdOp5", "3", "Sqr"},
    };
    expectRouting(cases);
}

TEST(KeyboardRouting, OtherCodesAreIgnored) {
    constexpr std::int16_t codes[] = {0,  8,  13, 32, 34,  36,  44,  33, 58,  61,
                                      65, 88, 91, 95, 120, 127, 255, -1, 1000};
    for (std::int16_t code : codes) {
        SCOPED_TRACE(code);
        Session session;
        session.run("9 +");
        const CalculatorState before = session.calculator.state();
        session.driver.type(code);
        EXPECT_EQ(session.focus(), "cmdOp0");
        EXPECT_EQ(session.display(), "9");
        EXPECT_EQ(session.indicator(), "+");
        EXPECT_EQ(session.calculator.state(), before);
    }
}

// Only the digit, operator, point and equals keys pass typed characters on.
TEST(KeyboardRouting, FocusedKeyDecides) {
    constexpr RoutingCase cases[] = {
        {"from the equals key", "9 @cmdEq '.'", "cmdPt", "9.", ""},
        {"from the point key", "9 . '5'", "cmdNum5", "9.5", ""},
        {"from an operator key", "9 + '5'", "cmdNum5", "5", "+"},
        {"from AC", "9 @cmdAC '5'", "cmdAC", "9", ""},
        {"from the sign key", "9 @cmdPosNeg '5'", "cmdPosNeg", "9", ""},
        {"from pi", "7 pi Esc '5'", "cmdPi", "3.1421", ""},
        {"from M+", "9 @Mplus '5'", "Mplus", "9", ""},
        {"from M-", "9 @Msub '5'", "Msub", "9", ""},
        {"from Mdis", "9 @Mdisplay '5'", "Mdisplay", "9", ""},
        {"from Mre", "9 @Mreplace '5'", "Mreplace", "9", ""},
        {"back on a digit key", "9 Mre '5' @cmdNum1 '5'", "cmdNum5", "95", ""},
    };
    expectRouting(cases);
}

TEST(KeyboardRouting, EnterAndSpacePressTheFocusedKey) {
    constexpr RoutingCase cases[] = {
        {"equals sign is no key", "'7+5='", "cmdNum5", "5", "+"},
        {"Enter repeats a digit", "'5' Enter", "cmdNum5", "55", ""},
        {"Space repeats an operator", "'2+' Space", "cmdOp0", "4", "+"},
        {"Enter on the equals key", "'7+5' @cmdEq Enter", "cmdEq", "12", "="},
        {"Escape from an operator", "'7+' Esc", "cmdNum0", "0", ""},
        // The "2" is dropped: the message is longer than a number may grow.
        {"typing goes on after the range message", "'99999999999999***2+3' @cmdEq Enter", "cmdEq",
         "3", "="},
    };
    expectRouting(cases);
}

}  // namespace
}  // namespace sumora::testing
