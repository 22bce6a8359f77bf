#pragma once

#include <windows.h>

#include "ui/forms/colour.h"

namespace sumora::win32 {

constexpr COLORREF colorref(forms::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace sumora::win32
