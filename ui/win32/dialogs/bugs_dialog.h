#pragma once

#include <windows.h>

namespace sumora::win32 {

// The notice that asks the user to report errors, modal over `owner`, to which closing it gives
// the focus back.
void showBugsDialog(HWND owner);

}  // namespace sumora::win32
