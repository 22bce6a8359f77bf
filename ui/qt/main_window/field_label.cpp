#include "ui/qt/main_window/field_label.h"

#include <QPainter>

namespace sumora::ui {

void FieldLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // The widget clips what lies outside it; drawing the border again hides what ran over it.
    QPainter painter(this);
    drawFrame(&painter);
}

}  // namespace sumora::ui
