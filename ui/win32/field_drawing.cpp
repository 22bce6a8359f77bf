#include "ui/win32/field_drawing.h"

#include <algorithm>
#include <string>

#include "ui/win32/dpi_scale.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

forms::FontFace sized(forms::FontFace font, double pointSize) {
    font.pointSize = pointSize;
    return font;
}

SIZE extent(HDC dc, HFONT font, const std::wstring& text) {
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    return size;
}

forms::FittedText fitIn(const RECT& free, HWND field, const forms::LabelControl& control, HDC dc,
                        UINT dpi) {
    const auto measure = [&](std::string_view text, double pointSize) {
        const FontHandle font = createFont(sized(control.font, pointSize), dpi);
        return static_cast<double>(extent(dc, font.get(), widen(text)).cx);
    };
    return forms::fitText(narrow(windowText(field)), control.font.pointSize,
                          forms::legibleFloorPoints, free.right - free.left, measure);
}

}  // namespace

RECT freeRect(HWND field, const forms::LabelControl& control, HDC dc, UINT dpi) {
    RECT free{};
    GetClientRect(field, &free);
    // The field's own font is the table's at this DPI.
    const auto font = reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0));
    const int indent = extent(dc, font, L"x").cx / 2;
    if (control.align == forms::TextAlign::right) {
        free.right -= indent;
    }
    const int covered = scaled(forms::coveredWidth(control.label), dpi);
    if (covered > 0) {
        free.left = std::max<LONG>(free.left, covered + indent);
    }
    return free;
}

forms::FittedText fittedText(HWND field, const forms::LabelControl& control, HDC dc, UINT dpi) {
    return fitIn(freeRect(field, control, dc, dpi), field, control, dc, dpi);
}

void drawField(const DRAWITEMSTRUCT& item, const forms::LabelControl& control) {
    HDC dc = item.hDC;
    const UINT dpi = GetDpiForWindow(item.hwndItem);
    const int fill = control.fill == forms::LabelFill::buttonFace ? COLOR_BTNFACE : COLOR_WINDOW;
    FillRect(dc, &item.rcItem, GetSysColorBrush(fill));

    RECT free = freeRect(item.hwndItem, control, dc, dpi);
    const forms::FittedText drawn = fitIn(free, item.hwndItem, control, dc, dpi);
    const FontHandle font = createFont(sized(control.font, drawn.pointSize), dpi);
    const HGDIOBJ previous = SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(control.ink == forms::LabelInk::buttonText ? COLOR_BTNTEXT
                                                                            : COLOR_WINDOWTEXT));
    const std::wstring text = widen(drawn.text);
    const UINT align = control.align == forms::TextAlign::right ? DT_RIGHT : DT_CENTER;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &free,
              align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

}  // namespace sumora::win32
