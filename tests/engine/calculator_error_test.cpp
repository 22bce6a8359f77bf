#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/engine/key_sequence.h"

namespace sumora::testing {
namespace {

void expectAllKeysEnabled(const FakeCalculatorView& view, bool enabled) {
    for (int k = 0; k < keyCount; ++k) {
        const auto key = static_cast<Key>(k);
        EXPECT_EQ(view.isEnabled(key), enabled || key == Key::cmdAC) << keyName(key);
    }
}

const ShownMessage rangeMessage{"Oop! It seem the value is too large or small, please try again.",
                                MessageStyle::critical, "Answer value too large or small"};

// Each lock starts with "7" stored (and "=" so that the next digit starts a number): the lock, and
// the AC that releases it, keep the memory.
TEST(CalculatorErrorLock, LocksTheKeysUntilAC) {
    struct Case {
        std::string_view name;
        std::string_view keys;
        std::string_view message;
    };
    constexpr Case cases[] = {
        {"division by zero at equals", "5 / 0 =", "Can't Divide Zero (0)"},
        {"division by zero at an operator", "5 / 0 +", "Can't Divide Zero (0)"},
        {"zero divisor written with a point", "5 / 0.00 =", "Can't Divide Zero (0)"},
        {"zero divisor from the point key", "5 / . =", "Can't Divide Zero (0)"},
        {"root of a negative number", "9 +- Sqr", "Invalid Square Root"},
        {"root of a negative result", "2 - 5 = Sqr", "Invalid Square Root"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        session.run("7 Mre =");
        session.run(c.keys);
        EXPECT_EQ(session.display(), c.message);
        EXPECT_EQ(session.indicator(), "E");
        EXPECT_EQ(session.memory(), "7");
        EXPECT_EQ(session.calculator.state().errorState, kTrue);
        EXPECT_EQ(session.focus(), "cmdAC");
        expectAllKeysEnabled(session.view, false);
        EXPECT_TRUE(session.view.messages().empty());

        // Typed keys reach nothing while AC holds the focus; Enter presses AC.
        session.run("'5+' Esc");
        EXPECT_EQ(session.display(), c.message);
        session.run("Enter");
        EXPECT_EQ(session.display(), "0");
        EXPECT_EQ(session.indicator(), "");
        EXPECT_EQ(session.memory(), "7");
        EXPECT_EQ(session.calculator.state().errorState, kFalse);
        EXPECT_EQ(session.focus(), "cmdNum0");
        expectAllKeysEnabled(session.view, true);

        session.run("'1+1' @cmdEq Enter");
        EXPECT_EQ(session.display(), "2");
    }
}

// Any failure inside an operator key ends in a message box and a clear-all that keeps the memory;
// the keys stay enabled.
TEST(CalculatorRangeHandling, ReportsAndClearsAll) {
    struct Case {
        std::string_view name;
        std::string_view keys;
        std::string_view indicator;  // "=" when the failure happened inside the equals key
        std::string_view memory;
        std::size_t messages;
    };
    constexpr Case cases[] = {
        {"product overflow at an operator", "99999999999999 x x x", "", "", 1},
        {"product overflow at equals", "99999999999999 x x =", "=", "", 1},
        {"memory survives", "3 Mre 99999999999999 x x =", "=", "3", 1},
        {"power overflow", "10 ^ 999 =", "=", "", 1},
        {"zero to a negative power", "0 ^ 1 +- =", "=", "", 1},
        {"negative base, fractional exponent", "2 +- ^ 0.5 =", "=", "", 1},
        {"root of a message", "0 ^ 1 +- = Sqr", "", "", 2},
        {"message as right operand", "0 ^ 1 +- = Mre 4 + Mdis =", "=", "Answer too large or small",
         2},
        {"huge display at the first operator", "10 ^ 30 = +", "", "", 1},
        {"huge display at equals", "10 ^ 30 = Mre Sqr Mdis =", "=",
         "1,000,000,000,000,000,000,000,000,000,000", 2},
        {"huge display starting a number", "10 ^ 30 = 5", "", "", 1},
        {"huge display at a point", "10 ^ 30 = .", "", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        session.run(c.keys);
        EXPECT_EQ(session.display(), "Answer too large or small");
        EXPECT_EQ(session.indicator(), c.indicator);
        EXPECT_EQ(session.memory(), c.memory);
        ASSERT_EQ(session.view.messages().size(), c.messages);
        EXPECT_EQ(session.view.messages().back(), rangeMessage);
        EXPECT_EQ(session.calculator.state().errorState, kFalse);
        EXPECT_EQ(session.calculator.state().afterEquals, c.indicator == "=" ? kTrue : kFalse);
        EXPECT_EQ(session.focus(), "cmdNum0");
        expectAllKeysEnabled(session.view, true);
    }
}

// A message on the display is read as 0 when it becomes a left operand, without a message box.
TEST(CalculatorRangeHandling, MessageStartsAFreshNumber) {
    Session session;
    session.run("0 ^ 1 +- = Mre 4 + Mdis 5 =");
    EXPECT_EQ(session.display(), "5");
    EXPECT_EQ(session.view.messages().size(), 1U);

    session.run("0 ^ 1 +- = + 2 =");
    EXPECT_EQ(session.display(), "2");
    EXPECT_EQ(session.view.messages().size(), 2U);
}

TEST(CalculatorClearAll, EmptiesTheMemoryOutsideTheLock) {
    constexpr std::string_view sequences[] = {"7 Mre AC", "7 Mre @cmdNum0 Esc", "7 Mre + Esc"};
    for (std::string_view keys : sequences) {
        SCOPED_TRACE(keys);
        Session session;
        session.run(keys);
        EXPECT_EQ(session.display(), "0");
        EXPECT_EQ(session.indicator(), "");
        EXPECT_EQ(session.memory(), "");
        EXPECT_EQ(session.focus(), "cmdNum0");
    }
}

}  // namespace
}  // namespace sumora::testing
