#include "ui/win32/coloured_key.h"

#include <string>

#include "ui/win32/colour_ref.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

// Where the focus rectangle lies inside the edge, in pixels at the base DPI.
constexpr int focusInset = 4;

}  // namespace

void drawColouredKey(const DRAWITEMSTRUCT& item, const forms::FaceColours& colours) {
    HDC dc = item.hDC;
    RECT bounds = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    // In high contrast the user's colours; otherwise the face's own, with a caption chosen for
    // it rather than the system's button text, which a dark theme makes white.
    const bool system = highContrastOn();
    const COLORREF face = system     ? GetSysColor(COLOR_BTNFACE)
                          : disabled ? colorref(colours.disabledFace)
                                     : colorref(colours.face);
    const COLORREF text = system     ? GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT)
                          : disabled ? colorref(colours.disabledCaption)
                                     : colorref(colours.caption);

    SetDCBrushColor(dc, face);
    FillRect(dc, &bounds, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    DrawEdge(dc, &bounds, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::wstring caption = windowText(item.hwndItem);
    RECT textBounds = bounds;
    if (pressed) {
        OffsetRect(&textBounds, 1, 1);
    }
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textBounds,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previousFont);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        const int inset = pixelsAt(focusInset, GetDpiForWindow(item.hwndItem));
        InflateRect(&bounds, -inset, -inset);
        DrawFocusRect(dc, &bounds);
    }
}

}  // namespace sumora::win32
