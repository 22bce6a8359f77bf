#pragma once

// Tooltips: one tooltip window per top-level window, and a tip for each control that has one.

#include <windows.h>

#include <string_view>

namespace sumora::win32 {

// A tooltip window for the controls of `owner`; it goes with the owner.
HWND createToolTips(HWND owner);

// `text` is copied; without a text, the owner is asked for it (TTN_GETDISPINFOW) each time the
// tip shows.
void addToolTip(HWND tips, HWND control, std::wstring_view text = {});

}  // namespace sumora::win32
