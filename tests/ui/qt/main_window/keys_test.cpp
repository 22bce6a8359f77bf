#include <iterator>
#include <string>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::ui {
namespace {

using KeysTest = WindowTest;

// Each key is clicked where its effect differs from what any other key would do in its place, so
// a key wired to another key's handler, or to none, fails its row.
TEST_F(KeysTest, EveryKeyClickedHasItsOwnEffect) {
    struct Case {
        std::string_view key;
        std::string_view steps;  // see WindowTest::play; "@" clicks the key
        std::string_view display, indicator, memory;
    };
    const Case cases[] = {
        {"cmdPt", "1 @ 5", "1.5", "", ""},
        {"cmdPi", "7 + @", "3.1421", "+", ""},
        {"cmdOp0", "2 @ 3 click:cmdEq", "5", "=", ""},
        {"cmdOp1", "2 @ 3 click:cmdEq", "-1", "=", ""},
        {"cmdOp2", "2 @ 3 click:cmdEq", "6", "=", ""},
        {"cmdOp3", "2 @ 3 click:cmdEq", "1", "=", ""},
        {"cmdOp4", "2 @ 3 click:cmdEq", "8", "=", ""},
        {"cmdOp5", "9 @", "3", "Sqr", ""},
        {"cmdEq", "2 + 3 @", "5", "=", ""},
        {"cmdPosNeg", "1 2 @", "-12", "", ""},
        {"cmdAC", "7 click:Mplus click:cmdNum2 @", "0", "", ""},
        {"Mplus", "7 click:Mplus click:cmdNum2 @", "72", "", "79"},
        {"Msub", "7 click:Mplus click:cmdNum2 @", "72", "", "-65"},
        {"Mdisplay", "7 click:Mplus click:cmdNum2 @", "7", "", "7"},
        {"Mreplace", "7 click:Mplus click:cmdNum2 @", "72", "", "72"},
    };
    // The digits lead the table: each follows a "5".
    constexpr std::size_t digits = 10;
    ASSERT_EQ(digits + std::size(cases), keyControls.size());
    for (std::size_t row = 0; row < keyControls.size(); ++row) {
        const std::string afterFive = "5" + std::to_string(row);
        const Case c = row < digits ? Case{"", "5 @", afterFive, "", ""} : cases[row - digits];
        SCOPED_TRACE(keyControls[row].objectName);
        ASSERT_TRUE(c.key.empty() || c.key == keyControls[row].objectName) << c.key;
        std::string steps(c.steps);
        steps.replace(steps.find('@'), 1, "click:" + std::string(keyControls[row].objectName));
        open();
        play(steps);
        EXPECT_EQ(text("lblDisp").toStdString(), c.display);
        EXPECT_EQ(text("lblOp").toStdString(), c.indicator);
        EXPECT_EQ(text("lblMem").toStdString(), c.memory);
    }
}

// Every step is a real key event on the focused widget, or a mouse click, as a user makes them.
TEST_F(KeysTest, TypedKeysReachTheEngineThroughTheFocusedKey) {
    struct Case {
        std::string_view name;
        std::string_view steps;  // see WindowTest::play
        std::string_view display, indicator, focus;
    };
    const Case cases[] = {
        {"keypad keys, then Return on the focused equals key",
         "keypad:7 keypad:* keypad:5 focus:cmdEq Return", "35", "=", "cmdEq"},
        {"the keypad's Enter on a digit enters it again", "3 keypad:Enter", "33", "", "cmdNum3"},
        {"Space presses the focused key", "5 focus:cmdPi Space", "3.1421", "", "cmdPi"},
        {"Escape on an operator clears all", "8 + Escape", "0", "", "cmdNum0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        play(c.steps);
        EXPECT_EQ(text("lblDisp").toStdString(), c.display);
        EXPECT_EQ(text("lblOp").toStdString(), c.indicator);
        EXPECT_EQ(focusName().toStdString(), c.focus);
    }
}

TEST_F(KeysTest, TabVisitsTheKeysInTableOrderAndWraps) {
    for (std::size_t step = 1; step <= keyControls.size(); ++step) {
        play("Tab");
        EXPECT_EQ(focusName().toStdString(), keyControls[step % keyControls.size()].objectName)
            << "after " << step << " Tab presses";
    }
}

}  // namespace
}  // namespace sumora::ui
