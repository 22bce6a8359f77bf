#pragma once

#include <windows.h>

namespace sumora::win32 {

// A horizontal rule is an empty static control of this style; its parent answers
// WM_CTLCOLORSTATIC for it with ruleBrush(), which fills it in the window-text colour.
inline constexpr DWORD ruleStyle = SS_LEFT;

inline HBRUSH ruleBrush() {
    return GetSysColorBrush(COLOR_WINDOWTEXT);
}

}  // namespace sumora::win32
