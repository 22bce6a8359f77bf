#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "tests/engine/key_sequence.h"

namespace sumora::testing {
namespace {

// Typed after "9", with the focus on the "9" key; the focus is shown by the key's caption.
TEST(KeyboardRouting, KeyTable) {
    struct Case {
        std::string_view keys;
        std::string_view focus;
        std::string_view display;
        std::string_view indicator;
    };
    constexpr Case cases[] = {
        {"Esc", "0", "0", ""},
        {"'.5'", "5", "9.5", ""},
        {"'0'", "0", "90", ""},
        {"'5'", "5", "95", ""},
        {"'+'", "+", "9", "+"},
        {"'-'", "-", "9", "-"},
        {"'*'", "x", "9", "x"},
        {"'/'", "/", "9", "/"},
        {"'^'", "^", "9", "^"},
        {"'#'", "Sqr", "3", "Sqr"},
        // Only the digit, operator, point and equals keys pass typed characters on.
        {"@= '.'", ".", "9.", ""},
        {"@AC '5'", "AC", "9", ""},
        {"'5' Enter", "5", "955", ""},
        {"'+5=' @= Enter", "=", "14", "="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Session session;
        session.run("9").run(c.keys);
        EXPECT_EQ(session.focus(), c.focus);
        EXPECT_EQ(session.display(), c.display);
        EXPECT_EQ(session.indicator(), c.indicator);
    }
}

TEST(KeyboardRouting, OtherCodesAreIgnored) {
    constexpr std::int16_t codes[] = {0, 13, 32, 61, 65, 120, 255, -1, 1000};
    for (std::int16_t code : codes) {
        SCOPED_TRACE(code);
        Session session;
        session.run("9 +");
        const CalculatorState before = session.calculator.state();
        session.driver.type(code);
        EXPECT_EQ(session.focus(), "+");
        EXPECT_EQ(session.display(), "9");
        EXPECT_EQ(session.indicator(), "+");
        EXPECT_EQ(session.calculator.state(), before);
    }
}

}  // namespace
}  // namespace sumora::testing
