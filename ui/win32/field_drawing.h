#pragma once

// The three text fields are owner-drawn statics: the window text stays the whole text (what
// assistive technology reads and the copy commands take), while the drawing follows the fitting
// rule of ui/forms/text_fitting.h: a text too wide for the field's free part is drawn smaller,
// and past the legible floor as its last part behind an ellipsis.

#include <windows.h>

#include "ui/forms/main_window_controls.h"
#include "ui/forms/text_fitting.h"

namespace sumora::win32 {

// The free part of the field's client area: less an indent at its aligned side, as a framed
// label keeps, and less the part that lies under the labels in front of it.
RECT freeRect(HWND field, const forms::LabelControl& control, HDC dc, UINT dpi);

// What is drawn now: the font size and the whole text or its elided tail.
forms::FittedText fittedText(HWND field, const forms::LabelControl& control, HDC dc, UINT dpi);

void drawField(const DRAWITEMSTRUCT& item, const forms::LabelControl& control);

}  // namespace sumora::win32
