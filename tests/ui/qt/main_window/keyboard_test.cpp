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
        {"starts reset with the focus on zero", "", "0", "", "cmdNum0"},
        {"Enter on the focused equals key evaluates", "7 + 5 focus:cmdEq Enter", "12", "=",
         "cmdEq"},
        {"a click on equals evaluates what was typed", "1 2 * 3 click:cmdEq", "36", "=", "cmdEq"},
        {"hash is the square root", "9 #", "3", "Sqr", "cmdOp5"},
        {"Enter on a digit enters it again", "3 Enter", "33", "", "cmdNum3"},
        {"Enter on the focused AC clears all", "9 focus:cmdAC Enter", "0", "", "cmdNum0"},
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
