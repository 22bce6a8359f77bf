#pragma once

// The tables hold UTF-8; the wide-character API takes UTF-16. Converted once, at the boundary.

#include <windows.h>

#include <string>
#include <string_view>

namespace sumora::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// A window's caption or a control's text, whole.
std::wstring windowText(HWND window);

}  // namespace sumora::win32
