#pragma once

// The table fonts at one DPI, each made once and shared by every control that names it: a window
// has many controls but few distinct fonts, and each font made costs GDI a lookup of its family.

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/forms/layout_units.h"
#include "ui/win32/dpi_scale.h"

namespace sumora::win32 {

class FontSet {
public:
    explicit FontSet(UINT dpi) : dpi_(dpi) {}

    // The font stays valid as long as this set.
    HFONT get(const forms::FontFace& face);

private:
    UINT dpi_;
    std::vector<std::pair<forms::FontFace, FontHandle>> fonts_;
};

}  // namespace sumora::win32
