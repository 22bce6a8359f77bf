// The main window, shown and driven with real messages from its own queue: its layout, its keys
// and its menu entries.

#include <algorithm>
#include <array>
#include <memory>

#include <oleacc.h>

#include "tests/platform/fake_platform.h"
#include "tests/ui/win32/pump.h"
#include "ui/forms/dialog_controls.h"
#include "ui/forms/face_colours.h"
#include "ui/forms/main_window_controls.h"
#include "ui/forms/menu_messages.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/field_drawing.h"
#include "ui/win32/main_window.h"
#include "ui/win32/menu_bar.h"

namespace sumora::win32 {
namespace {

// The real window, shown, with a platform that answers message boxes at once. Messages are
// posted as the keyboard posts them and the queue is pumped until it is empty.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { open(); }

    // A fresh window, so that every case starts from the state a user meets at start-up.
    void open() {
        window.reset();
        window = std::make_unique<MainWindow>(platform);
        window->show(SW_SHOW);
        pump();
    }

    HWND key(std::string_view name) const {
        const auto* found =
            std::ranges::find(forms::keyControls, name, &forms::KeyControl::objectName);
        return found != forms::keyControls.end() ? window->key(found->key) : nullptr;
    }

    std::string focusName() const {
        const auto* found = std::ranges::find_if(
            forms::keyControls,
            [this](const forms::KeyControl& c) { return window->key(c.key) == GetFocus(); });
        return found != forms::keyControls.end() ? std::string(found->objectName) : "";
    }

    std::string text(Label label) const { return textOf(window->label(label)); }

    // Steps, separated by blanks: a single character is typed on the focused key; Enter, Space,
    // Escape, Tab, ShiftTab, CtrlC, CtrlInsert, CtrlV and ShiftInsert are those keys; click:NAME
    // and focus:NAME act on the named key; MenuPaste takes the last entry of the display's
    // context menu. posted:CHARACTERS posts them all at once, as a dead key and the key after it
    // do; KeypadDecimal is the keypad's decimal key on a layout where it types ",".
    void play(std::string_view steps) {
        while (!steps.empty()) {
            const std::string_view step = steps.substr(0, steps.find(' '));
            steps.remove_prefix(std::min(step.size() + 1, steps.size()));
            // The modifiers held, as GetKeyState reads them, until the next step.
            BYTE keys[256]{};
            GetKeyboardState(keys);
            keys[VK_SHIFT] = step.starts_with("Shift") ? 0x80 : 0;
            keys[VK_CONTROL] = step.starts_with("Ctrl") ? 0x80 : 0;
            SetKeyboardState(keys);
            if (step.starts_with("click:")) {
                SendMessageW(key(step.substr(6)), BM_CLICK, 0, 0);
            } else if (step.starts_with("focus:")) {
                SetFocus(key(step.substr(6)));
            } else if (step == "MenuPaste") {
                // The menu's own loop takes these keys from the queue, as it would the user's.
                PostMessageW(window->handle(), WM_KEYDOWN, VK_UP, 1);
                PostMessageW(window->handle(), WM_KEYDOWN, VK_RETURN, 1);
                SendMessageW(window->handle(), WM_CONTEXTMENU,
                             reinterpret_cast<WPARAM>(window->label(Label::lblDisp)), -1);
            } else if (step.size() == 1 || step.starts_with("posted:")) {
                for (const char c : step.substr(step.size() == 1 ? 0 : 7)) {
                    PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
                }
            } else if (step == "KeypadDecimal") {
                // Sent, so that this layout's translation is the "," posted after it.
                HWND focus = GetFocus();
                SendMessageW(focus, WM_KEYDOWN, VK_DECIMAL, 1);
                PostMessageW(focus, WM_CHAR, L',', 1);
                PostMessageW(focus, WM_KEYUP, VK_DECIMAL, 0xC0000001);
            } else {
                const WPARAM virtualKey = step == "Enter"            ? VK_RETURN
                                          : step == "Space"          ? VK_SPACE
                                          : step == "Escape"         ? VK_ESCAPE
                                          : step == "CtrlC"          ? 'C'
                                          : step == "CtrlV"          ? 'V'
                                          : step.ends_with("Insert") ? VK_INSERT
                                                                     : VK_TAB;
                PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, 1);
                PostMessageW(GetFocus(), WM_KEYUP, virtualKey, 0xC0000001);
            }
            pump();
        }
    }

    platform::FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

// A twip table position at `dpi`, rounded down as the layout's MulDiv rounds it.
std::vector<LONG> tablePlace(const auto& row, UINT dpi) {
    const auto at = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
    return {at(row.x), at(row.y), at(row.w), at(row.h)};
}

// The colours that `control` paints into its client area, clear of its edges and focus rectangle.
std::vector<forms::Rgb> middleColours(HWND control) {
    constexpr int inset = 6;
    RECT bounds{};
    GetClientRect(control, &bounds);
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, bounds.right, bounds.bottom);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    std::vector<forms::Rgb> colours;
    for (int y = inset; y < bounds.bottom - inset; ++y) {
        for (int x = inset; x < bounds.right - inset; ++x) {
            const COLORREF pixel = GetPixel(memory, x, y);
            colours.push_back({GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)});
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return colours;
}

// At the starting 96 DPI and at each DPI that a move to another monitor brings (sent as the
// system sends it: Wine cannot change the DPI of a running desktop), every control is at its
// table place and font at that DPI, and the client area is the table's. The title and the client
// size at start are checked from outside, on the built program.
TEST_F(MainWindowTest, EveryControlHasItsTablePlaceCaptionAndFontAtEachDpi) {
    const HWND main = window->handle();
    ASSERT_EQ(GetDpiForWindow(main), 96U) << "the walk starts at 96 DPI";
    EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    for (const UINT dpi : {96U, 120U, 144U, 168U, 192U, 96U}) {
        SCOPED_TRACE(dpi);
        RECT frame{};
        GetWindowRect(main, &frame);
        SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        SIZE asked{};
        SendMessageW(main, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&asked));
        RECT client{};
        GetClientRect(main, &client);
        EXPECT_EQ(std::vector<LONG>({client.right, client.bottom}),
                  std::vector<LONG>({MulDiv(forms::clientWidth, static_cast<int>(dpi), 1440),
                                     MulDiv(forms::clientHeight, static_cast<int>(dpi), 1440)}));
        // Answered, with a frame around that client area (Wine draws the frame at 96 DPI).
        EXPECT_GT(asked.cx, client.right);
        EXPECT_GT(asked.cy, client.bottom);
        for (const forms::KeyControl& control : forms::keyControls) {
            SCOPED_TRACE(std::string(control.objectName));
            HWND key = window->key(control.key);
            EXPECT_EQ(placeOf(key), tablePlace(control, dpi));
            EXPECT_EQ(textOf(key), control.caption);
            expectFont(key, control.font, dpi);
            EXPECT_EQ(GetWindowLongW(key, GWL_STYLE) & (BS_TYPEMASK | WS_CLIPSIBLINGS),
                      (control.face == forms::Face::system ? BS_PUSHBUTTON : BS_OWNERDRAW) |
                          WS_CLIPSIBLINGS);
        }
        for (const forms::LabelControl& control : forms::labelControls) {
            SCOPED_TRACE(std::string(control.objectName));
            EXPECT_EQ(placeOf(window->label(control.label)), tablePlace(control, dpi));
            expectFont(window->label(control.label), control.font, dpi);
        }
    }
    // Drawn on top: the operator indicator over the left end of the display.
    EXPECT_EQ(ChildWindowFromPoint(main, POINT{forms::pixels(200), forms::pixels(100)}),
              window->label(Label::lblOp));
}

// The real menu bar, read back entry by entry against the menu table.
TEST_F(MainWindowTest, MenuBarMatchesTheTable) {
    const auto item = [](HMENU menu, UINT position) {
        std::array<wchar_t, 64> text{};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
        EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info));
        return std::tuple(narrow(text.data()), info.fType & MFT_SEPARATOR, info.wID, info.hSubMenu);
    };
    const HMENU bar = GetMenu(window->handle());
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(forms::menuControls.size()));
    for (UINT top = 0; top < forms::menuControls.size(); ++top) {
        const forms::MenuControl& menu = forms::menuControls[top];
        const auto [caption, separator, id, popup] = item(bar, top);
        EXPECT_EQ(caption, menu.caption);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(menu.entries.size()));
        for (UINT row = 0; row < menu.entries.size(); ++row) {
            const forms::MenuEntry& entry = menu.entries[row];
            SCOPED_TRACE(std::string(entry.objectName));
            const auto [entryCaption, entrySeparator, entryId, none] = item(popup, row);
            EXPECT_EQ(entryCaption, entry.caption);
            EXPECT_EQ(entrySeparator != 0, !entry.command);
            if (entry.command) {
                EXPECT_EQ(entryId, menuCommandId(*entry.command));
            }
        }
    }
}

// The engine keeps an entry short, so the texts are written to the field as the view writes them.
TEST_F(MainWindowTest, TheDisplayDrawsALongTextSmallerOrElidedClearOfTheIndicator) {
    const std::tuple<std::string_view, bool, bool> cases[] = {
        {"12345678901234", false, false},
        {"1234567890123456789012345678", true, false},
        {"12345678901234567890123456789012345678901234567890", true, true},
    };
    const forms::LabelControl& display = forms::labelControls[0];
    HWND field = window->label(Label::lblDisp);
    for (const auto& [text, smaller, elided] : cases) {
        SCOPED_TRACE(std::string(text));
        SetWindowTextW(field, widen(text).c_str());
        HDC dc = GetDC(field);
        const forms::FittedText drawn = fittedText(field, display, dc, 96);
        RECT free = freeRect(field, display, dc, 96);
        ReleaseDC(field, dc);
        EXPECT_EQ(drawn.pointSize < display.font.pointSize, smaller) << drawn.pointSize;
        EXPECT_LE(drawn.pointSize, display.font.pointSize);
        EXPECT_EQ(drawn.text.starts_with(forms::ellipsis), elided) << drawn.text;
        EXPECT_TRUE(drawn.text.ends_with(text.substr(text.size() - 10))) << drawn.text;
        MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&free), 2);
        RECT indicator{};
        GetWindowRect(window->label(Label::lblOp), &indicator);
        EXPECT_GE(free.left, indicator.right);
    }
}

TEST_F(MainWindowTest, TypedKeysReachTheEngineThroughTheFocusedKey) {
    const std::string_view locked = "Can't Divide Zero (0)";
    // Steps (see play), then the display, the indicator, the focused key and the clipboard.
    const std::array<std::string_view, 5> cases[] = {
        {"", "0", "", "cmdNum0", ""},
        {"#", "0", "Sqr", "cmdOp5", ""},  // the engine reads the "0" shown at start
        {"CtrlC", "0", "", "cmdNum0", "0"},
        {"1 2 * 3 focus:cmdEq Enter", "36", "=", "cmdEq", ""},
        {"7 + 5 click:cmdEq", "12", "=", "cmdEq", ""},
        {"3 Enter", "33", "", "cmdNum3", ""},  // Enter on a digit presses only that digit
        {"4 Space", "44", "", "cmdNum4", ""},
        {"8 + Escape", "0", "", "cmdNum0", ""},          // Escape on an operator clears all
        {"5 focus:cmdPi Escape", "5", "", "cmdPi", ""},  // but not on pi
        {"6 a", "6", "", "cmdNum6", ""},
        {"1 2 3 4 5 6 7 8 9 . 5 CtrlC", "123456789.5", "", "cmdNum5", "123456789.5"},
        {"4 . 5 CtrlInsert", "4.5", "", "cmdNum5", "4.5"},
        // The error lock leaves only AC enabled, and the focus on it.
        {"1 / 0 focus:cmdEq Enter", locked, "E", "cmdAC", ""},
        {"1 / 0 focus:cmdEq Enter Tab 5", locked, "E", "cmdAC", ""},
        {"1 / 0 focus:cmdEq Enter Enter", "0", "", "cmdNum0", ""},  // Enter on AC clears all
        {"1 KeypadDecimal 5", "1.5", "", "cmdNum5", ""},
        {"1 / 0 posted:^.", locked, "E", "cmdAC", ""},  // the point reaches a disabled key
    };
    for (const auto& [script, display, indicator, focus, copied] : cases) {
        SCOPED_TRACE(std::string(script));
        open();
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
        play(script);
        EXPECT_EQ(text(Label::lblDisp), display);
        EXPECT_EQ(text(Label::lblOp), indicator);
        EXPECT_EQ(focusName(), focus);
        for (const forms::KeyControl& control : forms::keyControls) {
            EXPECT_EQ(IsWindowEnabled(window->key(control.key)) != FALSE,
                      display != locked || control.key == Key::cmdAC)
                << control.objectName;
        }
        ASSERT_TRUE(OpenClipboard(nullptr));
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        EXPECT_EQ(data != nullptr ? narrow(static_cast<const wchar_t*>(GlobalLock(data))) : "",
                  copied);
        GlobalUnlock(data);
        CloseClipboard();
    }
}

// Copied after 2 ^ 40 = and pasted after AC, the result is entered as the number it shows, with
// the focus on a key that takes no typing; a text that is no number changes nothing.
TEST_F(MainWindowTest, ChordsAndTheDisplayMenuPasteTheClipboardsNumber) {
    for (const std::string_view paste : {"CtrlV", "ShiftInsert", "MenuPaste"}) {
        SCOPED_TRACE(std::string(paste));
        open();
        play("2 ^ 4 0 focus:cmdEq Enter CtrlC click:cmdAC focus:cmdPi");
        play(paste);
        EXPECT_EQ(text(Label::lblDisp), "1099511627776");
        play("focus:cmdNum0 + 0 focus:cmdEq Enter");
        EXPECT_EQ(text(Label::lblDisp), "1,099,511,627,776");
        copyToClipboard(nullptr, L"1+2");
        play(paste);
        EXPECT_EQ(text(Label::lblDisp), "1,099,511,627,776");
    }
}

// The face a key paints (its first middle colour, left of the caption) and the strongest contrast
// of its caption against it.
std::pair<forms::Rgb, double> faceAndCaptionContrast(HWND key) {
    const std::vector<forms::Rgb> colours = middleColours(key);
    double strongest = 1;
    for (const forms::Rgb painted : colours) {
        strongest = std::max(strongest, forms::contrastRatio(painted, colours.front()));
    }
    return {colours.front(), strongest};
}

// With the button text turned white, as dark themes have it, AC and pi keep readable captions,
// enabled or disabled (the error lock disables pi), and the locked pi shows a dimmed face.
TEST_F(MainWindowTest, ColouredKeysStayReadableUnderAWhiteButtonText) {
    const int element = COLOR_BTNTEXT;
    const COLORREF buttonText = GetSysColor(element);
    const COLORREF white = RGB(255, 255, 255);
    SetSysColors(1, &element, &white);
    HWND pi = key("cmdPi");
    const forms::Rgb enabledFace = faceAndCaptionContrast(pi).first;
    play("1 / 0 focus:cmdEq Enter");
    for (HWND coloured : {key("cmdAC"), pi}) {
        EXPECT_GE(faceAndCaptionContrast(coloured).second, forms::minimumTextContrast);
    }
    EXPECT_NE(faceAndCaptionContrast(pi).first, enabledFace);
    SetSysColors(1, &element, &buttonText);
}

// In high contrast the coloured keys take the user's button face.
TEST_F(MainWindowTest, ColouredKeysTakeTheHighContrastColours) {
    HIGHCONTRASTW highContrast{sizeof highContrast, HCF_HIGHCONTRASTON, nullptr};
    if (SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) == 0) {
        GTEST_SKIP() << "this system cannot switch high contrast on (Wine 8 cannot)";
    }
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(faceAndCaptionContrast(key("cmdAC")).first,
              (forms::Rgb{GetRValue(face), GetGValue(face), GetBValue(face)}));
    highContrast.dwFlags = 0;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof highContrast, &highContrast, 0);
}

// An input method would compose what is typed on a key, and take Enter to end the composition.
TEST_F(MainWindowTest, KeysHaveNoInputMethod) {
    for (const forms::KeyControl& control : forms::keyControls) {
        HIMC context = ImmGetContext(window->key(control.key));
        EXPECT_EQ(context, nullptr) << control.objectName;
        ImmReleaseContext(window->key(control.key), context);
    }
}

// A quick second click on a key counts as a click on the owner-drawn keys too. The AC that
// releases the error lock keeps the memory, and the next AC empties it.
TEST_F(MainWindowTest, ADoubleClickOnAcIsTwoClicks) {
    play("5 click:Mplus focus:cmdNum1 1 / 0 focus:cmdEq Enter");
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        PostMessageW(key("cmdAC"), message, 0, MAKELPARAM(5, 5));
    }
    pump();
    EXPECT_EQ(text(Label::lblMem), "");
}

TEST_F(MainWindowTest, TabAndShiftTabFollowTheTableAndWrap) {
    const std::size_t count = forms::keyControls.size();
    for (std::size_t step = 1; step <= 2 * count; ++step) {
        play(step <= count ? "Tab" : "ShiftTab");
        EXPECT_EQ(focusName(),
                  forms::keyControls[(step <= count ? step : 2 * count - step) % count].objectName)
            << "step " << step;
    }
}

// Save, Print and License show their boxes, Bugs Fix and About their modal dialogs, and each
// gives the focus back; Exit, last, closes the window and ends the loop with status 0.
TEST_F(MainWindowTest, MenuEntriesShowTheirBoxOrDialogOrEndTheLoop) {
    using forms::MenuCommand;
    const std::tuple<MenuCommand, const forms::MenuMessage*, std::string_view> cases[] = {
        {MenuCommand::save, &forms::saveMessage, ""},
        {MenuCommand::print, &forms::printMessage, ""},
        {MenuCommand::license, &forms::licenseMessage, ""},
        {MenuCommand::bugs, nullptr, forms::bugsWindow.caption},
        {MenuCommand::about, nullptr, forms::aboutWindow.caption},
        {MenuCommand::exit, nullptr, ""},
    };
    for (const auto& [command, message, title] : cases) {
        SCOPED_TRACE(static_cast<int>(command));
        play("7");
        platform.messageBoxes.clear();
        const Step closeDialog = [&](HWND shown) {
            EXPECT_EQ(textOf(shown), title);
            EXPECT_FALSE(IsWindowEnabled(window->handle())) << "not modal";
            PostMessageW(shown, WM_CLOSE, 0, 0);
        };
        drive(
            window->handle(),
            [&](HWND owner) { SendMessageW(owner, WM_COMMAND, menuCommandId(command), 0); },
            title.empty() ? std::vector<Step>{} : std::vector{closeDialog});
        using Box = platform::FakePlatform::MessageBoxCall;
        EXPECT_EQ(
            platform.messageBoxes,
            (message == nullptr ? std::vector<Box>{}
                                : std::vector<Box>{{std::string(message->prompt), message->style,
                                                    std::string(message->title)}}));
        const bool exits = command == MenuCommand::exit;
        EXPECT_EQ(pump(), exits ? 0U : static_cast<WPARAM>(-1));
        EXPECT_EQ(window->handle() == nullptr, exits);
        EXPECT_EQ(focusName(), exits ? "" : "cmdNum7");
    }
}

std::vector<HWND> liveRegionChanges;

void CALLBACK recordLiveRegionChange(HWINEVENTHOOK, DWORD, HWND source, LONG object, LONG child,
                                     DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        liveRegionChanges.push_back(source);
    }
}

// What a screen reader reads as a control's name.
std::string accessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return "(no object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    accessible->Release();
    const std::string read = name != nullptr ? narrow(name) : "";
    SysFreeString(name);
    return read;
}

// Narrator and NVDA speak a live region when the window says it changed: "+" changes the operator
// field and "=" the display, with the focus on the keys all along.
TEST_F(MainWindowTest, FieldsTellScreenReadersTheirNews) {
    liveRegionChanges.clear();
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        recordLiveRegionChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    play("4 + 2 focus:cmdEq Enter");
    UnhookWinEvent(hook);
    EXPECT_EQ(liveRegionChanges,
              (std::vector<HWND>{window->label(Label::lblOp), window->label(Label::lblDisp)}));
    EXPECT_EQ(focusName(), "cmdEq");
    // Each field is named by its text. Wine's oleacc leaves out what Dynamic Annotation adds (the
    // keys read as their captions there), so the fields' descriptions cannot be read back here.
    for (const forms::LabelControl& control : forms::labelControls) {
        EXPECT_EQ(accessibleName(window->label(control.label)), text(control.label));
    }
}

}  // namespace
}  // namespace sumora::win32
