// The message box as the user sees it: title, prompt, the OK button alone and the style's icon.
// Under Wine it needs an X display (scripts/test-windows runs the tests under xvfb-run); without
// one no window can be shown and the test says so.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "real_system.h"

namespace sumora::platform {
namespace {

struct SeenBox {
    std::wstring prompt;
    HWND owner = nullptr;
    int visibleButtons = 0;
    HICON icon = nullptr;
};

BOOL CALLBACK noteControl(HWND control, LPARAM seen) {
    auto& box = *reinterpret_cast<SeenBox*>(seen);
    char kind[16] = {};
    GetClassNameA(control, kind, sizeof kind);
    if (IsWindowVisible(control) && lstrcmpiA(kind, "Button") == 0) {
        ++box.visibleButtons;
    } else if (IsWindowVisible(control) && lstrcmpiA(kind, "Static") == 0 &&
               (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        box.icon = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
    }
    return TRUE;
}

// The texts arrive as UTF-8 and the box belongs to the window handling a message, whichever window
// is active.
TEST(MessageBoxTest, ShowsPromptTitleOkAndTheStylesIconOwnedByTheAskingWindow) {
    if (test::underWine() && GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
        GTEST_SKIP() << "no X display for Wine, so no message box can be shown";
    }
    const HWND asking = CreateWindowW(L"STATIC", L"asking", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                      nullptr, nullptr, nullptr);
    const BoxOwner scope(asking);
    const std::wstring title = L"Sumora test \u2026 critical";
    SeenBox seen;
    std::atomic<bool> boxReturned = false;
    // Plays the user: waits for the box, notes what it shows and presses OK. The box shows itself
    // first and its buttons a moment later; two seconds are plenty.
    std::thread user([&] {
        for (int waitsForButtons = 0; !boxReturned; Sleep(50)) {
            const HWND box = FindWindowW(L"#32770", title.c_str());
            if (box != nullptr && IsWindowVisible(box) &&
                (IsWindowVisible(GetDlgItem(box, IDOK)) || ++waitsForButtons > 40)) {
                seen.prompt.resize(256);  // the text has the fixed id 0xFFFF
                seen.prompt.resize(GetDlgItemTextW(box, 0xFFFF, seen.prompt.data(), 256));
                seen.owner = GetWindow(box, GW_OWNER);
                EnumChildWindows(box, noteControl, reinterpret_cast<LPARAM>(&seen));
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                break;
            }
        }
    });
    WindowsPlatform().messageBox("Unable to run web document (31) \u00fc", MessageStyle::critical,
                                 "Sumora test \u2026 critical");
    boxReturned = true;
    user.join();
    DestroyWindow(asking);
    ASSERT_EQ(seen.prompt, L"Unable to run web document (31) \u00fc") << "or no such box";
    EXPECT_EQ(seen.owner, asking);
    EXPECT_EQ(seen.visibleButtons, 1) << "OK is the only button";
    EXPECT_EQ(seen.icon, LoadIconA(nullptr, IDI_HAND));
}

}  // namespace
}  // namespace sumora::platform
