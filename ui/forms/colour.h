#pragma once

// Colours as plain sRGB values, and the contrast between two of them as the Web Content
// Accessibility Guidelines define it: 1 for equal colours up to 21 for black on white; text
// needs at least 4.5 to be readable by most people with low vision.

#include <cstdint>

namespace sumora::forms {

struct Rgb {
    std::uint8_t red, green, blue;

    bool operator==(const Rgb&) const = default;
};

inline constexpr double minimumTextContrast = 4.5;

// Relative luminance, from 0 for black to 1 for white.
double relativeLuminance(Rgb colour);

double contrastRatio(Rgb first, Rgb second);

// `ink` where it reads at minimumTextContrast on `background`; otherwise `ink` mixed with white or
// black, whichever stands out more on `background`, just far enough to read.
Rgb readableOn(Rgb ink, Rgb background);

}  // namespace sumora::forms
