#include "ui/win32/font_set.h"

#include <algorithm>

namespace sumora::win32 {

HFONT FontSet::get(const forms::FontFace& face) {
    const auto made =
        std::ranges::find(fonts_, face, &std::pair<forms::FontFace, FontHandle>::first);
    if (made != fonts_.end()) {
        return made->second.get();
    }
    return fonts_.emplace_back(face, createFont(face, dpi_)).second.get();
}

}  // namespace sumora::win32
