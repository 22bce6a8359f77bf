#pragma once

#include <functional>
#include <span>

#include <QWidget>

#include "ui/forms/dialog_controls.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::dialogs {

using ui::qtColour;
using ui::qtFont;
using ui::qtText;

// Gives `window` the caption, client size, border and font of `attributes`, with a title bar that
// has no minimize or maximize button, and creates `controls` in it. A click on a control with a
// command runs `run` with it; the OK button is the default.
void buildWindow(QWidget& window, const WindowAttributes& attributes,
                 std::span<const Control> controls, const std::function<void(DialogCommand)>& run);

}  // namespace sumora::dialogs
