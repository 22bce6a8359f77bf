#pragma once

// The keys with a face colour of their own are owner-drawn: the themed button would paint over
// any colour. They draw the classic raised and sunken edges, so the pressed state shows, and the
// focus rectangle when they have the focus.

#include <windows.h>

#include "ui/forms/main_window_controls.h"

namespace sumora::win32 {

COLORREF faceColour(ui::Face face);

void drawColouredKey(const DRAWITEMSTRUCT& item, COLORREF face);

}  // namespace sumora::win32
