#include <cmath>

#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/field_drawing.h"

namespace sumora::win32 {
namespace {

using LayoutTest = WindowTest;

// At 96 DPI a twip table position is a pixel position, rounded like ui::pixels.
RECT expectedRect(int x, int y, int w, int h) {
    return {ui::pixels(x), ui::pixels(y), ui::pixels(x) + ui::pixels(w),
            ui::pixels(y) + ui::pixels(h)};
}

RECT clientRectOf(HWND control) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

void expectFont(HWND control, const ui::FontSpec& font) {
    LOGFONTW chosen{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(chosen),
               &chosen);
    EXPECT_EQ(narrow(chosen.lfFaceName), font.family);
    // Points to pixels at 96 DPI: 72 points to the inch.
    EXPECT_EQ(chosen.lfHeight, -std::lround(font.pointSize * 96 / 72));
    EXPECT_EQ(chosen.lfWeight, font.bold ? FW_BOLD : FW_NORMAL);
}

void expectRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST_F(LayoutTest, EveryControlHasItsTablePlaceCaptionAndFontAt96Dpi) {
    ASSERT_EQ(GetDpiForWindow(window->handle()), 96U) << "the table walk is for 96 DPI";
    for (const ui::KeyControl& control : ui::keyControls) {
        SCOPED_TRACE(std::string(control.objectName));
        HWND key = window->key(control.key);
        expectRect(clientRectOf(key), expectedRect(control.x, control.y, control.w, control.h));
        EXPECT_EQ(textOf(key), control.caption);
        expectFont(key, control.font);
        EXPECT_NE(GetWindowLongW(key, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON)
            << "a default key";
    }
    for (const ui::LabelControl& control : ui::labelControls) {
        SCOPED_TRACE(std::string(control.objectName));
        HWND label = window->label(control.label);
        expectRect(clientRectOf(label), expectedRect(control.x, control.y, control.w, control.h));
        expectFont(label, control.font);
    }
    // Drawn on top: the operator indicator over the left end of the display.
    EXPECT_EQ(ChildWindowFromPoint(window->handle(), POINT{ui::pixels(200), ui::pixels(100)}),
              window->label(Label::lblOp));
}

TEST_F(LayoutTest, WindowHasItsTitleFixedFrameClientSizeAndMenus) {
    EXPECT_EQ(textOf(window->handle()), "Sumora v1.0");
    RECT client{};
    GetClientRect(window->handle(), &client);
    EXPECT_EQ(client.right, 224);
    EXPECT_EQ(client.bottom, 269);
    const auto style = static_cast<DWORD>(GetWindowLongW(window->handle(), GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0U);
    HMENU bar = GetMenu(window->handle());
    for (std::size_t menu = 0; menu < ui::menuControls.size(); ++menu) {
        const ui::MenuControl& control = ui::menuControls[menu];
        wchar_t caption[64]{};
        GetMenuStringW(bar, static_cast<UINT>(menu), caption, 64, MF_BYPOSITION);
        EXPECT_EQ(narrow(caption), control.caption);
        HMENU popup = GetSubMenu(bar, static_cast<int>(menu));
        for (std::size_t entry = 0; entry < control.entries.size(); ++entry) {
            GetMenuStringW(popup, static_cast<UINT>(entry), caption, 64, MF_BYPOSITION);
            EXPECT_EQ(narrow(caption), control.entries[entry].caption);
        }
    }
}

// The engine keeps an entry short, so the texts are written to the field as the view writes them.
TEST_F(LayoutTest, TheDisplayDrawsALongTextSmallerOrElidedClearOfTheIndicator) {
    struct Case {
        std::string_view text;
        bool smaller;
        bool elided;
    };
    const Case cases[] = {
        {"12345678901234", false, false},
        {"1234567890123456789012345678", true, false},
        {"12345678901234567890123456789012345678901234567890", true, true},
    };
    const ui::LabelControl& display = ui::labelControls[0];
    HWND field = window->label(Label::lblDisp);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        SetWindowTextW(field, widen(c.text).c_str());
        HDC dc = GetDC(field);
        const ui::FittedText drawn = fittedText(field, display, dc, 96);
        const RECT free = freeRect(field, display, dc, 96);
        ReleaseDC(field, dc);
        EXPECT_EQ(drawn.pointSize < display.font.pointSize, c.smaller) << drawn.pointSize;
        EXPECT_LE(drawn.pointSize, display.font.pointSize);
        EXPECT_EQ(drawn.text.starts_with(ui::ellipsis), c.elided) << drawn.text;
        EXPECT_TRUE(drawn.text.ends_with(c.text.substr(c.text.size() - 10))) << drawn.text;
        RECT indicator = clientRectOf(window->label(Label::lblOp));
        MapWindowPoints(window->handle(), field, reinterpret_cast<POINT*>(&indicator), 2);
        EXPECT_GE(free.left, indicator.right);
    }
}

}  // namespace
}  // namespace sumora::win32
