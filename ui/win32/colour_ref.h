#pragma once

#include <windows.h>

#include "ui/forms/colour.h"

namespace sumora::win32 {

constexpr COLORREF colorref(forms::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// Whether the user's high-contrast theme is on: coloured faces and the link then give way to the
// system colours the user chose. Asked at each paint, so a change of theme shows at the repaint.
inline bool highContrastOn() {
    HIGHCONTRASTW setting{sizeof setting, 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) != FALSE &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace sumora::win32
