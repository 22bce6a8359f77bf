#pragma once

// The About dialog's mail link, opened off the window's thread: a mail program registered through
// DDE can hold the shell's open for seconds, and the window must go on painting and answering.

#include <windows.h>

#include "platform/platform.h"

namespace sumora::win32 {

// Posted to a window with a box to show (a forms::MessageBoxText the window takes over), or with
// none: the open is over either way.
inline constexpr UINT linkOpenedMessage = WM_APP + 2;

// Opens the e-mail link through `platform` on a thread of its own, with COM started there for the
// shell, and posts linkOpenedMessage to `dialog`, or to `owner` once the dialog is gone.
// `platform` must outlive the open.
void openEmailLinkInBackground(platform::Platform& platform, HWND dialog, HWND owner);

// What a window does with linkOpenedMessage: shows its box, if any, through `platform`.
void showLinkFailure(platform::Platform& platform, LPARAM posted);

}  // namespace sumora::win32
