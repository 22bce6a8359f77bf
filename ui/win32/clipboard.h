#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace sumora::win32 {

// Puts `text` on the clipboard as Unicode text; false when the clipboard could not be opened.
bool copyToClipboard(HWND owner, std::wstring_view text);
// The clipboard's Unicode text; empty when it holds none or could not be opened.
std::wstring clipboardText(HWND owner);

}  // namespace sumora::win32
