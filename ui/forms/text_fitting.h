#pragma once

// How a field draws a text wider than the room it has: in a smaller font, down to a legible floor,
// and past the floor as the text's last part behind a leading ellipsis, so that no digit is hidden
// without a visible sign. The field's text itself never changes; only its drawing does. Every
// front end measures with its own toolkit through the callback and draws what comes back.

#include <functional>
#include <string>
#include <string_view>

namespace sumora::forms {

// The smallest font a field's text is drawn in: still legible at 96 DPI.
inline constexpr double legibleFloorPoints = 7.0;

// Smaller fonts are tried in these steps, finer than one pixel of glyph height at 96 DPI.
inline constexpr double fittingStepPoints = 0.25;

// Marks the front of a text whose beginning is not drawn (U+2026).
inline constexpr std::string_view ellipsis = "\u2026";

struct FittedText {
    double pointSize;
    std::string text;  // UTF-8: the whole text, or the ellipsis and the text's last part

    bool operator==(const FittedText&) const = default;
};

// The width in pixels of a UTF-8 text drawn at a point size in the field's font.
using MeasureText = std::function<double(std::string_view text, double pointSize)>;

// The largest point size, from `pointSize` down to `floorPointSize` in steps of fittingStepPoints,
// at which `text` fits `availableWidth`, with the whole text. A text that fits at `pointSize` keeps
// it exactly. At the floor, the ellipsis and the longest last part of the text that fit.
FittedText fitText(std::string_view text, double pointSize, double floorPointSize,
                   double availableWidth, const MeasureText& measure);

}  // namespace sumora::forms
