#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::ui {
namespace {

using KeyboardTest = WindowTest;

// Every step is a real key event on the focused widget, or a mouse click, as a user makes them.
TEST_F(KeyboardTest, TypedKeysReachTheEngineThroughTheFocusedKey) {
    struct Case {
        std::string_view name;
        std::string_view steps;  // see WindowTest::play
        std::string_view display;
        std::string_view indicator;
        std::string_view focus;
    };
    const Case cases[] = {
        {"keypad keys, then Return on the focused equals key",
         "keypad:7 keypad:* keypad:5 focus:cmdEq Return", "35", "=", "cmdEq"},
        {"hash is the square root", "9 #", "3", "Sqr", "cmdOp5"},
        {"the keypad's Enter on a digit enters it again", "3 keypad:Enter", "33", "", "cmdNum3"},
        {"Escape on an operator clears all", "8 + Escape", "0", "", "cmdNum0"},
        {"Escape on the pi key does nothing", "5 focus:cmdPi Escape", "5", "", "cmdPi"},
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

TEST_F(KeyboardTest, TabVisitsTheKeysInTableOrderAndWraps) {
    for (std::size_t step = 1; step <= keyControls.size(); ++step) {
        play("Tab");
        EXPECT_EQ(focusName().toStdString(), keyControls[step % keyControls.size()].objectName)
            << "after " << step << " Tab presses";
    }
}

}  // namespace
}  // namespace sumora::ui
