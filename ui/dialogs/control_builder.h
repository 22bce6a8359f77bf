#pragma once

#include <span>

#include <QString>
#include <QWidget>

#include "ui/dialogs/dialog_controls.h"

namespace sumora::dialogs {

QString qtText(std::string_view utf8);

// Gives `window` the caption, client size, border and font of `attributes`, with a title bar that
// has no minimize or maximize button, and creates `controls` in it.
void buildWindow(QWidget& window, const WindowAttributes& attributes,
                 std::span<const Control> controls);

}  // namespace sumora::dialogs
