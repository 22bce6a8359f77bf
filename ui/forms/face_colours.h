#pragma once

// The colours of the keys with a face of their own. Their captions are not the theme's button
// text, which a dark theme makes near-white on these bright faces, but colours chosen for the
// faces. A disabled key dims its face, so that the error lock shows at a glance, and keeps a dark
// caption of the face's own hue, still readable on it: the system's pale grey would all but vanish.

#include <optional>

#include "ui/forms/colour.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::forms {

struct FaceColours {
    Rgb face;
    Rgb caption;
    Rgb disabledFace;
    Rgb disabledCaption;
};

// The About dialog's e-mail link: blue, and red once it was followed. On the Linux desktop, whose
// themes may be dark, each is made readable on the dialog's background (readableOn).
inline constexpr Rgb linkColour{0, 0, 255};
inline constexpr Rgb followedLinkColour{255, 0, 0};

inline constexpr FaceColours pureRedFace{{255, 0, 0}, {0, 0, 0}, {224, 96, 96}, {40, 0, 0}};
inline constexpr FaceColours pureGreenFace{{0, 255, 0}, {0, 0, 0}, {96, 224, 96}, {0, 80, 0}};

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
