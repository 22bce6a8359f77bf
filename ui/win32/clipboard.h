#pragma once

#include <windows.h>

#include <string_view>

namespace sumora::win32 {

// Puts `text` on the clipboard as Unicode text; false when the clipboard could not be opened.
bool copyToClipboard(HWND owner, std::wstring_view text);

}  // namespace sumora::win32
