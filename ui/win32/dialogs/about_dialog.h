#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace sumora::win32 {

// The About box, modal over `owner`, to which closing it gives the focus back. System Info and the
// e-mail link do their work through `platform`.
void showAboutDialog(HWND owner, platform::Platform& platform);

}  // namespace sumora::win32
