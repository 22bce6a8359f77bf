#pragma once

// Where a window goes to stand in the middle of a monitor's work area, clear of the taskbar.

#include <windows.h>

namespace sumora::win32 {

// The top-left corner that centres a frame of `size` in `monitor`'s work area.
POINT centredIn(HMONITOR monitor, SIZE size);

}  // namespace sumora::win32
