#pragma once

// The colours of the keys with a face of their own. A disabled key's caption normally turns a pale
// grey, which all but vanishes on a bright face, so these keys name a disabled caption colour too:
// a dark shade of the face's own hue, at a readable contrast against it.

#include <optional>

#include "ui/forms/colour.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::forms {

struct FaceColours {
    Rgb face;
    Rgb disabledCaption;
};

// The About dialog's e-mail link: blue, and red once it was followed.
inline constexpr Rgb linkColour{0, 0, 255};
inline constexpr Rgb followedLinkColour{255, 0, 0};

inline constexpr FaceColours pureRedFace{{255, 0, 0}, {40, 0, 0}};
inline constexpr FaceColours pureGreenFace{{0, 255, 0}, {0, 80, 0}};

// Nothing for a key drawn in the style's own colours.
constexpr std::optional<FaceColours> faceColours(Face face) {
    switch (face) {
        case Face::pureRed:
            return pureRedFace;
        case Face::pureGreen:
            return pureGreenFace;
        case Face::system:
            break;
    }
    return std::nullopt;
}

}  // namespace sumora::forms
