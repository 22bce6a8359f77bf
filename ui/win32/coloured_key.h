#pragma once

// The keys with a face colour of their own are owner-drawn: the themed button would paint over
// any colour. They draw the classic raised and sunken edges, so the pressed state shows, the
// focus rectangle when they have the focus, and a disabled key with a dimmed face and a readable
// caption. A high-contrast theme draws them in its own colours.

#include <windows.h>

#include "ui/forms/face_colours.h"

namespace sumora::win32 {

void drawColouredKey(const DRAWITEMSTRUCT& item, const forms::FaceColours& colours);

}  // namespace sumora::win32
