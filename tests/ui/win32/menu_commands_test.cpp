#include "tests/ui/win32/window_fixture.h"
#include "ui/forms/dialog_controls.h"
#include "ui/forms/menu_messages.h"
#include "ui/win32/menu_bar.h"

namespace sumora::win32 {
namespace {

using MenuCommandsTest = WindowTest;

void command(HWND window, std::string_view entry) {
    const UINT id = menuCommandId(entry);
    ASSERT_NE(id, 0U) << entry;
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

TEST_F(MenuCommandsTest, SavePrintAndLicenseShowTheirBoxesOnly) {
    const std::pair<std::string_view, const ui::MenuMessage*> cases[] = {
        {"mSave", &ui::saveMessage},
        {"mPrint", &ui::printMessage},
        {"mLicense", &ui::licenseMessage},
    };
    for (const auto& [entry, message] : cases) {
        SCOPED_TRACE(std::string(entry));
        platform.messageBoxes.clear();
        command(window->handle(), entry);
        const platform::FakePlatform::MessageBoxCall shown{
            std::string(message->prompt), message->style, std::string(message->title)};
        EXPECT_EQ(platform.messageBoxes,
                  std::vector<platform::FakePlatform::MessageBoxCall>{shown});
        EXPECT_FALSE(pump());
        EXPECT_TRUE(IsWindow(window->handle()));
    }
}

TEST_F(MenuCommandsTest, ExitClosesTheWindowAndEndsTheLoopWithStatusZero) {
    command(window->handle(), "mExit");
    EXPECT_EQ(window->handle(), nullptr);
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0U);
}

// Records the title of the modal window that opens over the main window, and closes it.
std::string openedDialog;
void CALLBACK closeOpenedDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND active = GetActiveWindow();
    if (active != nullptr && GetWindow(active, GW_OWNER) != nullptr) {
        openedDialog = textOf(active);
        EXPECT_FALSE(IsWindowEnabled(GetWindow(active, GW_OWNER))) << "not modal";
        PostMessageW(active, WM_CLOSE, 0, 0);
        KillTimer(nullptr, timer);
    }
}

TEST_F(MenuCommandsTest, BugsFixAndAboutOpenModalAndGiveTheFocusBack) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"mBugs", dialogs::bugsWindow.caption},
        {"mAbout", dialogs::aboutWindow.caption},
    };
    for (const auto& [entry, title] : cases) {
        SCOPED_TRACE(std::string(entry));
        openedDialog.clear();
        play("7");
        SetTimer(nullptr, 0, 50, closeOpenedDialog);
        command(window->handle(), entry);
        pump();
        EXPECT_EQ(openedDialog, title);
        EXPECT_EQ(focusName(), "cmdNum7");
    }
}

// Records the menu that opens, and closes it at once so that the test goes on.
HMENU openedMenu = nullptr;
LRESULT CALLBACK closeOpeningMenu(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call.message == WM_INITMENUPOPUP) {
        openedMenu = reinterpret_cast<HMENU>(call.wParam);
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MenuCommandsTest, AltAndTheMnemonicOpenEachMenu) {
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, closeOpeningMenu, nullptr, GetCurrentThreadId());
    const std::pair<WPARAM, int> cases[] = {{'F', 0}, {'H', 1}};
    for (const auto& [letter, position] : cases) {
        SCOPED_TRACE(static_cast<char>(letter));
        openedMenu = nullptr;
        holdKey(VK_MENU, true);
        constexpr LPARAM altDown = 1 << 29;
        PostMessageW(GetFocus(), WM_SYSKEYDOWN, letter, altDown | 1);
        pump();
        holdKey(VK_MENU, false);
        EXPECT_EQ(openedMenu, GetSubMenu(GetMenu(window->handle()), position));
        EXPECT_EQ(focusName(), "cmdNum0");
    }
    UnhookWindowsHookEx(hook);
}

}  // namespace
}  // namespace sumora::win32
