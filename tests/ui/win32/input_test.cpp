// The main window driven by keys and menu entries.

#include <array>

#include "tests/ui/win32/window_fixture.h"
#include "ui/forms/dialog_controls.h"
#include "ui/forms/menu_messages.h"
#include "ui/win32/menu_bar.h"

namespace sumora::win32 {
namespace {

using InputTest = WindowTest;

TEST_F(InputTest, TypedKeysReachTheEngineThroughTheFocusedKey) {
    // Steps (see WindowTest::play), then the display, the indicator and the focused key.
    const std::array<std::string_view, 4> cases[] = {
        {"", "0", "", "cmdNum0"},
        {"1 2 * 3 focus:cmdEq Enter", "36", "=", "cmdEq"},
        {"7 + 5 click:cmdEq", "12", "=", "cmdEq"},
        {"9 #", "3", "Sqr", "cmdOp5"},
        {"2 ^ 3 focus:cmdEq Enter", "8", "=", "cmdEq"},
        {"3 Enter", "33", "", "cmdNum3"},  // Enter on a digit presses only that digit
        {"4 Space", "44", "", "cmdNum4"},
        {"9 focus:cmdAC Enter", "0", "", "cmdNum0"},
        {"8 + Escape", "0", "", "cmdNum0"},          // Escape on an operator clears all
        {"5 focus:cmdPi Escape", "5", "", "cmdPi"},  // but not on pi
        {"6 a", "6", "", "cmdNum6"},
    };
    for (const auto& [script, display, indicator, focus] : cases) {
        SCOPED_TRACE(std::string(script));
        open();
        play(script);
        EXPECT_EQ(text(Label::lblDisp), display);
        EXPECT_EQ(text(Label::lblOp), indicator);
        EXPECT_EQ(focusName(), focus);
    }
}

TEST_F(InputTest, TabAndShiftTabFollowTheTableAndWrap) {
    const std::size_t count = ui::keyControls.size();
    for (std::size_t step = 1; step <= 2 * count; ++step) {
        play(step <= count ? "Tab" : "ShiftTab");
        EXPECT_EQ(focusName(),
                  ui::keyControls[(step <= count ? step : 2 * count - step) % count].objectName)
            << "step " << step;
    }
}

TEST_F(InputTest, TheErrorLockLeavesOnlyAcEnabledAndFocused) {
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

TEST_F(InputTest, CtrlCAndCtrlInsertCopyTheWholeDisplay) {
    for (const int virtualKey : {int{'C'}, VK_INSERT}) {
        SCOPED_TRACE(virtualKey);
        play("1 2 3 4 5 6 7 8 9 . 5");
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
        holdKey(VK_CONTROL, true);
        strike(virtualKey);
        holdKey(VK_CONTROL, false);
        ASSERT_TRUE(OpenClipboard(nullptr));
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        EXPECT_EQ(data != nullptr ? narrow(static_cast<const wchar_t*>(GlobalLock(data))) : "",
                  "123456789.5");
        GlobalUnlock(data);
        CloseClipboard();
        play("Escape");
    }
}

// Save, Print and License show their boxes only; Exit, last, ends the loop with status 0.
TEST_F(InputTest, MenuEntriesShowTheirBoxOrEndTheLoop) {
    const std::pair<std::string_view, const ui::MenuMessage*> cases[] = {
        {"mSave", &ui::saveMessage},
        {"mPrint", &ui::printMessage},
        {"mLicense", &ui::licenseMessage},
        {"mExit", nullptr},
    };
    for (const auto& [entry, message] : cases) {
        SCOPED_TRACE(std::string(entry));
        platform.messageBoxes.clear();
        std::vector<platform::FakePlatform::MessageBoxCall> shown;
        if (message != nullptr) {
            shown.push_back(
                {std::string(message->prompt), message->style, std::string(message->title)});
        }
        SendMessageW(window->handle(), WM_COMMAND, menuCommandId(entry), 0);
        EXPECT_EQ(platform.messageBoxes, shown);
        EXPECT_EQ(pump(), message != nullptr ? static_cast<WPARAM>(-1) : 0U);
        EXPECT_EQ(window->handle() == nullptr, message == nullptr);
    }
}

TEST_F(InputTest, BugsFixAndAboutOpenModalAndGiveTheFocusBack) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"mBugs", dialogs::bugsWindow.caption},
        {"mAbout", dialogs::aboutWindow.caption},
    };
    for (const auto& [entry, title] : cases) {
        play("7");
        drive(window->handle(),
              [&](HWND owner) { SendMessageW(owner, WM_COMMAND, menuCommandId(entry), 0); },
              {[&](HWND shown) {
                  EXPECT_EQ(textOf(shown), title);
                  EXPECT_FALSE(IsWindowEnabled(window->handle())) << "not modal";
                  PostMessageW(shown, WM_CLOSE, 0, 0);
              }});
        pump();
        EXPECT_EQ(focusName(), "cmdNum7");
    }
}

}  // namespace
}  // namespace sumora::win32
