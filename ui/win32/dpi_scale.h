#pragma once

// The tables' twips and points at a window's DPI: 1440 twips and 72 points to the inch.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "ui/forms/layout_units.h"

namespace sumora::win32 {

inline constexpr UINT baseDpi = 96;

int scaled(int twips, UINT dpi);
// Pixels at the base DPI, at `dpi`.
int pixelsAt(int pixels, UINT dpi);
// A rule is one pixel thick at the base DPI, and never thinner.
int ruleThickness(UINT dpi);
RECT scaledRect(int x, int y, int w, int h, UINT dpi);

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

// The Windows face for a family of the tables.
std::wstring windowsFamily(std::string_view family);
FontHandle createFont(const forms::FontFace& font, UINT dpi);

}  // namespace sumora::win32
