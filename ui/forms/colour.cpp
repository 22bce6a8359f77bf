#include "ui/forms/colour.h"

#include <algorithm>
#include <cmath>

namespace sumora::forms {

namespace {

// From the sRGB transfer curve back to linear light.
double linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double contrastRatio(Rgb first, Rgb second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb readableOn(Rgb ink, Rgb background) {
    constexpr Rgb white{255, 255, 255};
    constexpr Rgb black{0, 0, 0};
    const Rgb towards =
        contrastRatio(white, background) > contrastRatio(black, background) ? white : black;
    const auto mix = [](std::uint8_t from, std::uint8_t to, int step) {
        return static_cast<std::uint8_t>(from + (to - from) * step / 32);
    };
    Rgb mixed = ink;
    for (int step = 1; step <= 32 && contrastRatio(mixed, background) < minimumTextContrast;
         ++step) {
        mixed = {mix(ink.red, towards.red, step), mix(ink.green, towards.green, step),
                 mix(ink.blue, towards.blue, step)};
    }
    return mixed;
}

}  // namespace sumora::forms
