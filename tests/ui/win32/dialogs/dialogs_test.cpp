// The About and Bugs Fix dialogs, driven from inside their modal loops with real messages: the
// walk of both tables, every way of closing, the link and System Info through a recording
// platform.

#include <map>
#include <span>

#include "tests/platform/fake_platform.h"
#include "tests/ui/win32/pump.h"
#include "ui/forms/about_actions.h"
#include "ui/forms/dialog_controls.h"
#include "ui/win32/dialogs/about_dialog.h"
#include "ui/win32/dialogs/bugs_dialog.h"

namespace {

using namespace sumora;
using namespace sumora::win32;
using forms::pixels;

const HWND owner = CreateWindowW(L"BUTTON", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                 200, nullptr, nullptr, nullptr, nullptr);

std::vector<HWND> descendants(HWND dialog) {
    std::vector<HWND> found;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// What the dialog gives a control to paint with: its text colour, or its top-left pixel.
COLORREF painted(HWND dialog, HWND control, UINT message) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, CreateBitmap(8, 8, 1, 32, nullptr));
    const bool print = message == WM_PRINTCLIENT;
    SendMessageW(print ? control : dialog, message, reinterpret_cast<WPARAM>(dc),
                 print ? PRF_CLIENT : reinterpret_cast<LPARAM>(control));
    const COLORREF colour = print ? GetPixel(dc, 0, 0) : GetTextColor(dc);
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
    return colour;
}

platform::FakePlatform fake;

const struct Dialog {
    std::function<void(HWND)> show;
    const forms::WindowAttributes& window;
    std::span<const forms::Control> controls;
} about{[](HWND o) { showAboutDialog(o, fake); }, forms::aboutWindow, forms::aboutControls},
    bugs{showBugsDialog, forms::bugsWindow, forms::bugsControls};

void walk(HWND dialog, const Dialog& under) {
    // Texts that the dialogs set when they load, the top-left pixel of each picture and line.
    const std::map<std::string_view, std::string> loaded{
        {"lblemail", forms::emailCaption()}, {"lblBugs", "Please forward any error or bug to me"}};
    const std::map<std::string_view, COLORREF> corner{{"Picture1", RGB(40, 70, 140)},
                                                      {"Picture2", RGB(24, 44, 104)},
                                                      {"Line1", GetSysColor(COLOR_WINDOWTEXT)}};
    RECT box{};
    GetClientRect(dialog, &box);
    EXPECT_EQ(box.right, pixels(under.window.clientWidth));
    EXPECT_EQ(box.bottom, pixels(under.window.clientHeight));
    EXPECT_EQ(textOf(dialog), under.window.caption);
    const std::vector<HWND> all = descendants(dialog);
    ASSERT_EQ(all.size(), under.controls.size());
    std::vector<HWND> tabOrder;
    for (std::size_t row = 0; row < all.size(); ++row) {
        const forms::Control& control = under.controls[row];
        SCOPED_TRACE(control.objectName);
        EXPECT_EQ(textOf(GetParent(all[row])), control.container.empty() ? textOf(dialog) : "");
        const int height = control.kind == forms::Kind::line ? 1 : pixels(control.h);
        EXPECT_EQ(placeOf(all[row]), std::vector<LONG>({pixels(control.x), pixels(control.y),
                                                        pixels(control.w), height}));
        EXPECT_EQ(GetWindowLongW(all[row], GWL_EXSTYLE) & WS_EX_CLIENTEDGE ? forms::Border::sunken
                  : GetWindowLongW(all[row], GWL_STYLE) & WS_BORDER        ? forms::Border::single
                                                                           : forms::Border::none,
                  control.border);
        if (corner.contains(control.objectName)) {
            EXPECT_EQ(painted(dialog, all[row], WM_PRINTCLIENT), corner.at(control.objectName));
        }
        if (control.kind == forms::Kind::picture) {
            continue;
        }
        const auto text = loaded.find(control.objectName);
        EXPECT_EQ(textOf(all[row]), text == loaded.end() ? control.text : text->second);
        if (control.kind != forms::Kind::line) {
            expectFont(all[row], control.font);
        }
        if (control.kind == forms::Kind::button) {
            tabOrder.push_back(all[row]);
        }
    }
    // Tab goes round the buttons in table order, from the first and back to it.
    for (std::size_t stop = 0; stop <= tabOrder.size(); ++stop) {
        SetFocus(stop == 0 ? GetFocus() : GetNextDlgTabItem(dialog, GetFocus(), FALSE));
        EXPECT_EQ(GetFocus(), tabOrder[stop % tabOrder.size()]) << "tab stop " << stop;
    }
}

// Each dialog matches its table at 96 DPI, and every way of closing it gives the focus back.
TEST(Win32Dialogs, WalkOfEachTableThenOkEnterEscapeAltOOrClose) {
    const std::pair<const char*, Step> closings[] = {
        {"OK clicked", [](HWND) { SendMessageW(GetFocus(), BM_CLICK, 0, 0); }},
        {"Enter", [](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); }},
        {"Escape", [](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Alt+O", [](HWND) { PostMessageW(GetFocus(), WM_SYSCHAR, 'o', 1 << 29); }},
        {"close box", [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }},
    };
    for (const Dialog* under : {&about, &bugs}) {
        for (const auto& [name, close] : closings) {
            SCOPED_TRACE(std::string(under->window.caption) + ", " + name);
            SetFocus(owner);
            drive(owner, under->show, {[&](HWND dialog) { walk(dialog, *under); }, close});
            EXPECT_EQ(GetFocus(), owner);
        }
    }
}

// At each DPI that a move to another monitor brings, sent as the system sends it (Wine cannot
// change the DPI of a running desktop), the client area and every control fit the table.
TEST(Win32Dialogs, AboutFitsItsTableAtEachDpi) {
    drive(owner, about.show, {[](HWND dialog) {
              const std::vector<HWND> all = descendants(dialog);
              for (const UINT dpi : {120U, 144U, 168U, 192U}) {
                  SCOPED_TRACE(dpi);
                  const auto at = [dpi](int twips) {
                      return MulDiv(twips, static_cast<int>(dpi), 1440);
                  };
                  RECT box{};
                  GetWindowRect(dialog, &box);
                  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                               reinterpret_cast<LPARAM>(&box));
                  GetClientRect(dialog, &box);
                  EXPECT_EQ(std::vector<LONG>({box.right, box.bottom}),
                            std::vector<LONG>({at(forms::aboutWindow.clientWidth),
                                               at(forms::aboutWindow.clientHeight)}));
                  for (std::size_t row = 0; row < all.size(); ++row) {
                      const forms::Control& control = about.controls[row];
                      SCOPED_TRACE(control.objectName);
                      const bool line = control.kind == forms::Kind::line;
                      EXPECT_EQ(placeOf(all[row]),
                                std::vector<LONG>({at(control.x), at(control.y), at(control.w),
                                                   line ? MulDiv(1, dpi, 96) : at(control.h)}));
                      if (!line && control.kind != forms::Kind::picture) {
                          expectFont(all[row], control.font, dpi);
                      }
                  }
              }
              PostMessageW(dialog, WM_CLOSE, 0, 0);
          }});
}

TEST(Win32Dialogs, LinkIsBlueRedAfterItsDoubleClickOpenedMailOnceAndBlueAgainWhenReopened) {
    const std::string tool = "C:\\Tools\\msinfo32.exe";
    fake.setValue(platform::hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                  platform::regSz, tool);
    fake.existingFiles.insert(tool);
    // Nothing can open the link: the box that says so comes back to the dialog.
    fake.shellOpenResult = platform::shellOpenFailedNoAssociation;
    const auto link = [](HWND dialog) { return descendants(dialog).back(); };
    drive(owner, about.show,
          {[&](HWND dialog) {
               EXPECT_EQ(painted(dialog, link(dialog), WM_CTLCOLORSTATIC), RGB(0, 0, 255));
               SendMessageW(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(link(dialog)),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
               ICONINFO hand{};
               GetIconInfo(GetCursor(), &hand);
               EXPECT_EQ(std::pair(hand.xHotspot, hand.yHotspot), std::pair(12ul, 1ul));
               // A double-click opens the mail program once.
               for (const UINT message :
                    {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
                   PostMessageW(link(dialog), message, 0, 0);
               }
           },
           // The open runs on a thread of its own, which posts back when it is done.
           [](HWND) { Sleep(300); },
           [&](HWND dialog) {
               EXPECT_EQ(painted(dialog, link(dialog), WM_CTLCOLORSTATIC), RGB(255, 0, 0));
               EXPECT_EQ(fake.shellOpens, std::vector<std::string>{forms::emailTag()});
               SendMessageW(descendants(dialog)[6], BM_CLICK, 0, 0);  // System Info
               EXPECT_EQ(fake.programStarts, std::vector<std::string>{tool});
               using Box = platform::FakePlatform::MessageBoxCall;
               EXPECT_EQ(fake.messageBoxes,
                         std::vector<Box>({{"Unable to run web document (31)",
                                            platform::MessageStyle::critical, "Web Access"}}));
               PostMessageW(dialog, WM_CLOSE, 0, 0);
           }});
    drive(owner, about.show, {[&](HWND dialog) {
              EXPECT_EQ(painted(dialog, link(dialog), WM_CTLCOLORSTATIC), RGB(0, 0, 255));
              PostMessageW(dialog, WM_CLOSE, 0, 0);
          }});
}

}  // namespace
