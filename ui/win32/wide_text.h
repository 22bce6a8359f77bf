#pragma once

// The tables hold UTF-8; the wide-character API takes UTF-16. Converted once, at the boundary,
// by the platform's conversions.

#include <windows.h>

#include <string>

#include "platform/utf16.h"

namespace sumora::win32 {

using platform::narrow;
using platform::widen;

// A window's caption or a control's text, whole.
std::wstring windowText(HWND window);

}  // namespace sumora::win32
