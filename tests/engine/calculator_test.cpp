#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "tests/engine/key_sequence.h"

namespace sumora::testing {
namespace {

constexpr std::string_view tooLarge = "Answer too large or small";

TEST(Calculator, KeySequences) {
    struct Case {
        std::string_view name;
        std::string_view keys;
        std::string_view display;
        std::string_view indicator;
        std::string_view memory;
        int beeps = 0;  // a failed M+ or M- keeps the memory and beeps
        std::size_t boxes = 0;
    };
    constexpr Case cases[] = {
        {"worked chain", "2 + 3 x 4 =", "20", "=", ""},
        {"operator after equals", "2 + 3 = x 4 =", "20", "=", ""},
        // The left operand is never a result left over from before.
        {"equals right after an operator", "5 - =", "0", "=", ""},
        {"product of a number with itself", "3 x x", "9", "x", ""},
        {"repeat after a zero result", "2 - 2 - -", "0", "-", ""},
        {"sign changed after an operator", "2 + 3 x +- 4 =", "-20", "=", ""},
        {"point starting a number", "5 + . 5 =", "6", "=", ""},
        {"point alone after an operator", "5 + . =", "5", "=", ""},
        {"equals after an operator that follows equals", "2 + 3 = x =", "25", "=", ""},
        {"message read as a fresh number", "0 ^ 1 +- = + 2 =", "2", "=", "", 0, 1},
        {"no second point", "pi .", "3.1421", "", ""},
        {"length limit", "12345678901234 5", "12345678901234", "", ""},
        {"sign", "12 +- 3", "-123", "", ""},
        {"pi", "7 + pi", "3.1421", "+", ""},
        {"M+ into an empty memory copies", "1234 + 0 = M+", "1,234", "=", "1,234"},
        {"M+ adds", "1234 + 0 = M+ 10 M+", "10", "", "1244"},
        {"M- subtracts", "10 Mre = 2.5 M-", "2.5", "", "7.5"},
        {"M- of a positive into empty", "5 M-", "5", "", "-5"},
        {"M- of a negative into empty", "5 +- M-", "-5", "", "5"},
        {"M- of zero into empty", "0.00 M-", "0.00", "", ""},
        {"M- of 2^32 into empty", "4294967296 M-", "4294967296", "", "-4294967296"},
        {"Mre stores the display", "Mre", "0", "", "0"},
        {"Mdis copies the text", "1234 + 0 = Mre 7 Mdis", "1,234", "", "1,234"},
        {"Mdis of an empty memory", "Mdis", "", "", ""},
        {"AC empties the memory", "7 Mre AC", "0", "", ""},
        {"Escape empties the memory", "7 Mre + Esc", "0", "", ""},
        {"M+ onto a stored message", "0 ^ 1 +- = Mre M+", tooLarge, "=", tooLarge, 1, 1},
        {"M- of a message into empty", "0 ^ 1 +- = M-", tooLarge, "=", "", 1, 1},
        {"Sqr of a message", "0 ^ 1 +- = Sqr", tooLarge, "", "", 0, 2},
        // Expected texts below: Python, float arithmetic shown to 15 significant digits.
        {"power read back beyond 2^64", "2 ^ 64 = ^ 1 =", "18,446,744,073,709,600,000", "=", ""},
        {"root of a sum beyond 2^53", "9999999999999 x 1000 = Mre 0.5 M+ Mdis Sqr",
         "99999999.999995", "Sqr", "9999999999999000.5"},
        {"power of a result beyond the range", "10 ^ 30 ^ pi ^",
         "18,323,144,223,712,300,000,000,000,000,000,000,000,000,000,000,000,000,000,000,000,000,"
         "000,000,000,000,000,000,000,000,000,000",
         "^", ""},
        {"zero to a half", "0 ^ 0.5 =", "0", "=", ""},
        // Python: the exact power of the doubles, shown to 15 significant digits; the last digits
        // depend on the power being rounded to the nearest double.
        {"pi to the 51st", "pi ^ 51 =", "22,814,982,418,636,100,000,000,000", "=", ""},
        {"pi to the 54th", "pi ^ 54 =", "707,750,437,636,000,000,000,000,000", "=", ""},
        {"root 3 to the 58th", "3 ^ Sqr 5 8 +", "68,630,377,364,889", "+", ""},
        // Python's decimal module: the 96-bit quotient 8100000072902835.656152494955.
        {"quotient by a 13-digit divisor",
         "99999999999999 x 99999999999999 = / 1234567890123 =", "8,100,000,072,902,836", "=", ""},
        {"M- beyond the range", "10 ^ 28 = +- Mre +- M- M- M- M- M- M- M-",
         "10,000,000,000,000,000,000,000,000,000", "=", "-70000000000000000000000000000", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + std::string(c.keys));
        Session session;
        session.run(c.keys);
        EXPECT_EQ(session.display(), c.display);
        EXPECT_EQ(session.indicator(), c.indicator);
        EXPECT_EQ(session.memory(), c.memory);
        EXPECT_EQ(session.view.beeps(), c.beeps);
        EXPECT_EQ(session.view.messages().size(), c.boxes);
    }
}

void expectAllKeysEnabled(const FakeCalculatorView& view, bool enabled) {
    for (int k = 0; k < keyCount; ++k) {
        const auto key = static_cast<Key>(k);
        EXPECT_EQ(view.isEnabled(key), enabled || key == Key::cmdAC) << view.caption(key);
    }
}

// A lock disables every key but AC and shows "E"; the range handling shows a message box and
// clears all. Both keep the memory, and so does the AC that releases a lock.
TEST(Calculator, FailuresKeepTheMemory) {
    constexpr std::array<std::string_view, 4> cases[] = {
        // keys, display, indicator ("=" when the range failure happened inside the equals key),
        // memory
        {"7 Mre = 5 / 0 =", "Can't Divide Zero (0)", "E", "7"},
        {"7 Mre = 5 / 0 +", "Can't Divide Zero (0)", "E", "7"},
        {"7 Mre = 9 +- Sqr", "Invalid Square Root", "E", "7"},
        {"99999999999999 x x x", tooLarge, "", ""},
        {"3 Mre 99999999999999 x x =", tooLarge, "=", "3"},
        {"10 ^ 30 = 5", tooLarge, "", ""},
    };
    const ShownMessage rangeMessage{
        "Oop! It seem the value is too large or small, please try again.",
        platform::MessageStyle::critical, "Answer value too large or small"};
    for (const auto& [keys, display, indicator, memory] : cases) {
        SCOPED_TRACE(keys);
        Session session;
        session.run(keys);
        const bool locked = indicator == "E";
        EXPECT_EQ(session.display(), display);
        EXPECT_EQ(session.indicator(), indicator);
        EXPECT_EQ(session.memory(), memory);
        EXPECT_EQ(session.calculator.state().errorState, locked ? kTrue : kFalse);
        EXPECT_EQ(session.focus(), locked ? "AC" : "0");
        expectAllKeysEnabled(session.view, !locked);
        if (!locked) {
            ASSERT_EQ(session.view.messages().size(), 1U);
            EXPECT_EQ(session.view.messages().back(), rangeMessage);
            EXPECT_EQ(session.calculator.state().afterEquals, indicator == "=" ? kTrue : kFalse);
            continue;
        }
        EXPECT_TRUE(session.view.messages().empty());
        // Typed keys reach nothing while AC holds the focus; Enter presses AC.
        session.run("'5+' Esc");
        EXPECT_EQ(session.display(), display);
        session.run("Enter");
        EXPECT_EQ(session.display(), "0");
        EXPECT_EQ(session.indicator(), "");
        EXPECT_EQ(session.memory(), "7");
        EXPECT_EQ(session.calculator.state().errorState, kFalse);
        EXPECT_EQ(session.focus(), "0");
        expectAllKeysEnabled(session.view, true);
    }
}

// Typed after "9", with the focus on the "9" key; the focus is shown by the key's caption.
TEST(Calculator, TypedKeys) {
    constexpr std::array<std::string_view, 4> cases[] = {
        // keys, focus, display, indicator
        {"Esc", "0", "0", ""},
        {"'.5'", "5", "9.5", ""},
        {"'09'", "9", "909", ""},
        {"'*'", "x", "9", "x"},
        {"'/'", "/", "9", "/"},
        {"'^'", "^", "9", "^"},
        {"'#'", "Sqr", "3", "Sqr"},
        // Only the digit, operator, point and equals keys pass typed characters on; other
        // characters, "=" among them, do nothing.
        {"'-' 'A=x:'", "-", "9", "-"},
        {"@= '.'", ".", "9.", ""},
        {"@AC '5'", "AC", "9", ""},
        {"'5' Enter", "5", "955", ""},
        {"'+5=' @= Enter", "=", "14", "="},
    };
    for (const auto& [keys, focus, display, indicator] : cases) {
        SCOPED_TRACE(keys);
        Session session;
        session.run("9").run(keys);
        EXPECT_EQ(session.focus(), focus);
        EXPECT_EQ(session.display(), display);
        EXPECT_EQ(session.indicator(), indicator);
    }
}

// The clipboard's text goes through the keys: entered whole, or refused whole with a beep and
// nothing changed.
TEST(Calculator, PastedNumbers) {
    constexpr std::array<std::string_view, 4> cases[] = {
        // keys before, clipboard text, keys after, display ("": refused)
        {"2 ^ 40 = AC", "1,099,511,627,776", "", "1099511627776"},
        {"2 ^ 40 = AC", "1,099,511,627,776", "+ 0 =", "1,099,511,627,776"},
        {"", " -12.50\r\n", "", "-12.50"},
        {"", "-12345678901234", "", "-12345678901234"},
        {"", "+0.5", "x 4 =", "2"},
        {"7 +", "-3", "=", "4"},
        {"2 + 3 =", "8", "+ 1 =", "9"},
        {"0 ^ 1 +- =", "8", "+ 1 =", "9"},  // on the range message
        {"5 + 0", "6", "=", "11"},
        {"5 +", "", "", ""},
        {"5 +", " ", "", ""},
        {"5 +", "12a", "", ""},
        {"5 +", "1 2", "", ""},
        {"5 +", "2+3", "", ""},
        {"5 +", "--5", "", ""},
        {"5 +", "1.2.3", "", ""},
        {"5 +", "5.", "", ""},
        {"5 +", "12,34", "", ""},
        {"5 +", "1,2345", "", ""},
        {"5 +", "1234,567", "", ""},
        {"5 +", "1,23,456", "", ""},
        {"5 +", ",123", "", ""},
        {"5 +", "123456789012345", "", ""},
        {"5 +", "0000000000000001", "", ""},
        {"12", "3", "", ""},                  // would extend the number being entered
        {"0 Mre 1 . 5 Mdis", "2.5", "", ""},  // the point key is spent for this number
        {"1 / 0 =", "5", "", ""},             // locked
        {"10 ^ 30 =", "5", "", ""},           // the result is no operand: a message box
    };
    for (const auto& [before, pasted, after, display] : cases) {
        SCOPED_TRACE(std::string(before) + " | " + std::string(pasted));
        Session session;
        session.run(before);
        const CalculatorState state = session.calculator.state();
        const std::array texts{session.display(), session.indicator(), session.memory()};
        const std::size_t boxes = session.view.messages().size();
        session.calculator.paste(pasted);
        EXPECT_EQ(session.view.messages().size(), boxes);
        EXPECT_EQ(session.view.beeps(), display.empty() ? 1 : 0);
        if (display.empty()) {
            EXPECT_EQ(session.calculator.state(), state);
            EXPECT_EQ((std::array{session.display(), session.indicator(), session.memory()}),
                      texts);
        } else {
            session.run(after);
            EXPECT_EQ(session.display(), display);
        }
    }
}

// A screen reader hears what a key changed unless the key's own name said it.
TEST(Calculator, Announcements) {
    constexpr std::array<std::string_view, 3> cases[] = {
        // before, keys, announcements (" / " between keys, "|" between labels)
        {"4 + 2", "=", "6"},
        {"4 + 2", "x", "6|x"},
        {"4 + 2", "'*'", "6|x"},
        {"4 + 2 =", "5 . '3.'", ""},
        {"5", "=", ""},
        {"", "pi +-", "3.1421 / -3.1421"},
        {"1 /", "0 =", "Can't Divide Zero (0)"},
        {"4 +-", "Sqr", "Invalid Square Root"},
        {"6", "M+ M+ M- Mre", "6 / 12 / 6"},
        {"6 M+ 0", "Mdis AC", "6 / 0"},
    };
    for (const auto& [before, keys, heard] : cases) {
        SCOPED_TRACE(keys);
        Session session;
        session.run(before).view.announced().clear();
        session.run(keys);
        std::string all;
        for (const std::string& said : session.view.announced()) {
            all += (all.empty() ? "" : " / ") + said;
        }
        EXPECT_EQ(all, heard);
    }
}

}  // namespace
}  // namespace sumora::testing
