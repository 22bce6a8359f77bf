#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/field_drawing.h"

namespace sumora::win32 {
namespace {

using LayoutTest = WindowTest;

// At 96 DPI a twip table position is a pixel position, rounded like ui::pixels.
std::vector<LONG> tablePlace(const auto& row) {
    return {ui::pixels(row.x), ui::pixels(row.y), ui::pixels(row.w), ui::pixels(row.h)};
}

// The title and the client size are checked from outside, on the built program, too.
TEST_F(LayoutTest, EveryControlHasItsTablePlaceCaptionAndFontAt96Dpi) {
    ASSERT_EQ(GetDpiForWindow(window->handle()), 96U) << "the table walk is for 96 DPI";
    RECT client{};
    GetClientRect(window->handle(), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(224L, 269L));
    EXPECT_EQ(GetWindowLongW(window->handle(), GWL_STYLE) &
                  (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    for (const ui::KeyControl& control : ui::keyControls) {
        SCOPED_TRACE(std::string(control.objectName));
        HWND key = window->key(control.key);
        EXPECT_EQ(placeOf(key), tablePlace(control));
        EXPECT_EQ(textOf(key), control.caption);
        expectFont(key, control.font);
        EXPECT_NE(GetWindowLongW(key, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "default";
    }
    for (const ui::LabelControl& control : ui::labelControls) {
        SCOPED_TRACE(std::string(control.objectName));
        EXPECT_EQ(placeOf(window->label(control.label)), tablePlace(control));
        expectFont(window->label(control.label), control.font);
    }
    // Drawn on top: the operator indicator over the left end of the display.
    EXPECT_EQ(ChildWindowFromPoint(window->handle(), POINT{ui::pixels(200), ui::pixels(100)}),
              window->label(Label::lblOp));
}

// The engine keeps an entry short, so the texts are written to the field as the view writes them.
TEST_F(LayoutTest, TheDisplayDrawsALongTextSmallerOrElidedClearOfTheIndicator) {
    const std::tuple<std::string_view, bool, bool> cases[] = {
        {"12345678901234", false, false},
        {"1234567890123456789012345678", true, false},
        {"12345678901234567890123456789012345678901234567890", true, true},
    };
    const ui::LabelControl& display = ui::labelControls[0];
    HWND field = window->label(Label::lblDisp);
    for (const auto& [text, smaller, elided] : cases) {
        SCOPED_TRACE(std::string(text));
        SetWindowTextW(field, widen(text).c_str());
        HDC dc = GetDC(field);
        const ui::FittedText drawn = fittedText(field, display, dc, 96);
        RECT free = freeRect(field, display, dc, 96);
        ReleaseDC(field, dc);
        EXPECT_EQ(drawn.pointSize < display.font.pointSize, smaller) << drawn.pointSize;
        EXPECT_LE(drawn.pointSize, display.font.pointSize);
        EXPECT_EQ(drawn.text.starts_with(ui::ellipsis), elided) << drawn.text;
        EXPECT_TRUE(drawn.text.ends_with(text.substr(text.size() - 10))) << drawn.text;
        MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&free), 2);
        RECT indicator{};
        GetWindowRect(window->label(Label::lblOp), &indicator);
        EXPECT_GE(free.left, indicator.right);
    }
}

}  // namespace
}  // namespace sumora::win32
