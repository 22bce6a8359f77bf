#pragma once

// The window tables hold UTF-8 texts and plain font descriptions; Qt wants QString and QFont.

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <string_view>

#include "ui/forms/colour.h"
#include "ui/forms/layout_units.h"

namespace sumora::qt {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QColor qtColour(forms::Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

inline forms::Rgb rgbOf(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

inline QFont qtFont(const forms::FontFace& wanted) {
    QFont font(qtText(wanted.family));
    font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    return font;
}

}  // namespace sumora::qt
