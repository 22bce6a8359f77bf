#include "tests/ui/win32/window_fixture.h"

namespace sumora::win32 {
namespace {

using KeyboardTest = WindowTest;

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
        {"Enter on the focused equals key evaluates", "1 2 * 3 focus:cmdEq Enter", "36", "=",
         "cmdEq"},
        {"a click on equals evaluates what was typed", "7 + 5 click:cmdEq", "12", "=", "cmdEq"},
        {"hash is the square root", "9 #", "3", "Sqr", "cmdOp5"},
        {"caret is the power", "2 ^ 3 focus:cmdEq Enter", "8", "=", "cmdEq"},
        {"Enter on a digit presses only that digit", "3 Enter", "33", "", "cmdNum3"},
        {"Space on a digit presses it", "4 Space", "44", "", "cmdNum4"},
        {"Enter on the focused AC clears all", "9 focus:cmdAC Enter", "0", "", "cmdNum0"},
        {"Escape on an operator clears all", "8 + Escape", "0", "", "cmdNum0"},
        {"Escape on the pi key does nothing", "5 focus:cmdPi Escape", "5", "", "cmdPi"},
        {"a letter is no key", "6 a", "6", "", "cmdNum6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        play(c.steps);
        EXPECT_EQ(text(Label::lblDisp), c.display);
        EXPECT_EQ(text(Label::lblOp), c.indicator);
        EXPECT_EQ(focusName(), c.focus);
    }
}

TEST_F(KeyboardTest, TabAndShiftTabFollowTheTableAndWrap) {
    const std::size_t count = ui::keyControls.size();
    for (std::size_t step = 1; step <= count; ++step) {
        play("Tab");
        EXPECT_EQ(focusName(), ui::keyControls[step % count].objectName) << "Tab " << step;
    }
    for (std::size_t step = 1; step <= count; ++step) {
        play("ShiftTab");
        EXPECT_EQ(focusName(), ui::keyControls[(count - step) % count].objectName)
            << "Shift+Tab " << step;
    }
}

TEST_F(KeyboardTest, TheErrorLockLeavesOnlyAcEnabledAndFocused) {
    play("1 / 0 focus:cmdEq Enter");
    ASSERT_EQ(text(Label::lblDisp), "Can't Divide Zero (0)");
    for (const ui::KeyControl& control : ui::keyControls) {
        EXPECT_EQ(IsWindowEnabled(window->key(control.key)) != FALSE, control.key == Key::cmdAC)
            << control.objectName;
    }
    EXPECT_EQ(focusName(), "cmdAC");
    play("Tab 5");
    EXPECT_EQ(focusName(), "cmdAC");
    play("Enter");
    EXPECT_EQ(IsWindowEnabled(window->key(Key::cmdNum5)), TRUE);
    EXPECT_EQ(text(Label::lblDisp), "0");
}

TEST_F(KeyboardTest, CtrlCAndCtrlInsertCopyTheWholeDisplay) {
    for (const int virtualKey : {int{'C'}, VK_INSERT}) {
        SCOPED_TRACE(virtualKey);
        open();
        play("1 2 3 4 5 6 7 8 9 . 5");
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
        holdKey(VK_CONTROL, true);
        strike(virtualKey);
        holdKey(VK_CONTROL, false);
        ASSERT_TRUE(OpenClipboard(nullptr));
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const auto* copied = static_cast<const wchar_t*>(GlobalLock(data));
        EXPECT_EQ(copied != nullptr ? narrow(copied) : "", "123456789.5");
        GlobalUnlock(data);
        CloseClipboard();
        EXPECT_EQ(text(Label::lblDisp), "123456789.5");
    }
}

}  // namespace
}  // namespace sumora::win32
