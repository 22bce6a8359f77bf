#pragma once

#include <functional>
#include <span>

#include <QWidget>

#include "ui/forms/dialog_controls.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

// Gives `window` the caption, client size, border and font of `attributes`, with a title bar that
// has no minimize or maximize button, and creates `controls` in it. A click on a control with a
// command runs `run` with it; the OK button is the default.
void buildWindow(QWidget& window, const forms::WindowAttributes& attributes,
                 std::span<const forms::Control> controls,
                 const std::function<void(forms::DialogCommand)>& run);

}  // namespace sumora::qt
