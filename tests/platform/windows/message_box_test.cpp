// The message box as the user sees it: title, prompt, the OK button alone and the style's icon.
// Under Wine it needs an X display (scripts/test-windows runs the tests under xvfb-run); without
// one no window can be shown and the test says so.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <string_view>
#include <thread>

#include "platform/windows_platform.h"
#include "wine_only.h"

namespace sumora::platform {
namespace {

struct SeenBox {
    bool shown = false;
    std::string prompt;
    int visibleButtons = 0;
    bool okVisible = false;
    HICON icon = nullptr;
};

BOOL CALLBACK noteControl(HWND control, LPARAM seen) {
    auto& box = *reinterpret_cast<SeenBox*>(seen);
    char kind[16] = {};
    GetClassNameA(control, kind, sizeof kind);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (!IsWindowVisible(control)) {
        return TRUE;
    }
    if (lstrcmpiA(kind, "Button") == 0) {
        ++box.visibleButtons;
    } else if (lstrcmpiA(kind, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
        box.icon = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
    }
    return TRUE;
}

// Presses OK in every finished box of the thread that has another title than the awaited one
// (`awaited` points to that title): a wrong box fails the test instead of waiting for a user.
BOOL CALLBACK pressOkInWrongBoxes(HWND window, LPARAM awaited) {
    char kind[16] = {};
    char title[256] = {};
    GetClassNameA(window, kind, sizeof kind);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(kind, "#32770") == 0 && IsWindowVisible(window) &&
        *reinterpret_cast<const std::string*>(awaited) != title) {
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

// Plays the user while `boxThread` shows its box: waits for the box titled `title`, notes what it
// shows and presses OK.
SeenBox pressOkWhenShown(const std::string& title, DWORD boxThread,
                         const std::atomic<bool>& boxReturned) {
    SeenBox seen;
    int waitsForButtons = 0;
    while (!boxReturned) {
        EnumThreadWindows(boxThread, pressOkInWrongBoxes, reinterpret_cast<LPARAM>(&title));
        const HWND box = FindWindowA("#32770", title.c_str());
        // The box shows itself first and its buttons a moment later; two seconds are plenty.
        if (box != nullptr && IsWindowVisible(box) &&
            (IsWindowVisible(GetDlgItem(box, IDOK)) || ++waitsForButtons > 40)) {
            seen.shown = true;
            char prompt[256] = {};
            GetDlgItemTextA(box, 0xFFFF, prompt, sizeof prompt);  // the text's fixed control id
            seen.prompt = prompt;
            seen.okVisible = IsWindowVisible(GetDlgItem(box, IDOK)) != FALSE;
            EnumChildWindows(box, noteControl, reinterpret_cast<LPARAM>(&seen));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return seen;
        }
        Sleep(50);
    }
    return seen;
}

TEST(MessageBoxTest, ShowsPromptTitleOkAndTheStylesIcon) {
    if (test::underWine() && GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
        GTEST_SKIP() << "no X display for Wine, so no message box can be shown";
    }
    struct Case {
        std::string_view name;
        MessageStyle style;
        LPCSTR icon;  // nullptr: no icon
    };
    const Case cases[] = {
        {"no icon", MessageStyle::okOnly, nullptr},
        {"critical", MessageStyle::critical, IDI_HAND},
        {"information", MessageStyle::information, IDI_ASTERISK},
    };
    WindowsPlatform platform;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string title = "Sumora test " + std::string(c.name);
        SeenBox seen;
        std::atomic<bool> boxReturned = false;
        std::thread user([&, boxThread = GetCurrentThreadId()] {
            seen = pressOkWhenShown(title, boxThread, boxReturned);
        });
        platform.messageBox("Unable to run web document (31)", c.style, title);
        boxReturned = true;
        user.join();
        ASSERT_TRUE(seen.shown) << "no box titled \"" << title << "\" appeared";
        EXPECT_EQ(seen.prompt, "Unable to run web document (31)");
        EXPECT_TRUE(seen.okVisible);
        EXPECT_EQ(seen.visibleButtons, 1) << "OK is the only button";
        EXPECT_EQ(seen.icon, c.icon == nullptr ? nullptr : LoadIconA(nullptr, c.icon));
    }
}

}  // namespace
}  // namespace sumora::platform
