#include "ui/win32/dpi_scale.h"

#include <algorithm>
#include <cmath>

#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

constexpr int twipsPerInch = 1440;
constexpr double pointsPerInch = 72.0;

}  // namespace

int scaled(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), twipsPerInch);
}

int pixelsAt(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), baseDpi);
}

int ruleThickness(UINT dpi) {
    return std::max(1, pixelsAt(1, dpi));
}

RECT scaledRect(int x, int y, int w, int h, UINT dpi) {
    const int left = scaled(x, dpi);
    const int top = scaled(y, dpi);
    return {left, top, left + scaled(w, dpi), top + scaled(h, dpi)};
}

std::wstring windowsFamily(std::string_view family) {
    // The bitmap face has only a few sizes and is drawn jagged at the others; the outline face
    // has the same metrics at every size.
    return family == "MS Sans Serif" ? L"Microsoft Sans Serif" : widen(family);
}

FontHandle createFont(const forms::FontFace& font, UINT dpi) {
    // A negative height asks for the character height, which is what a point size measures.
    const int height = -static_cast<int>(std::lround(font.pointSize * dpi / pointsPerInch));
    const std::wstring family = windowsFamily(font.family);
    return FontHandle(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str()));
}

}  // namespace sumora::win32
