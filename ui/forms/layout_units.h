#pragma once

// Units of the window tables: positions and sizes in twips, 15 to a logical pixel, and fonts by
// family, point size and weight. Shared by the main window and the dialogs.

#include <string_view>

namespace sumora::forms {

inline constexpr int twipsPerPixel = 15;

// Rounded to the nearest pixel: 160 twips give 11.
constexpr int pixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

struct FontFace {
    std::string_view family;
    double pointSize;
    bool bold;

    friend constexpr bool operator==(const FontFace&, const FontFace&) = default;
};

}  // namespace sumora::forms
