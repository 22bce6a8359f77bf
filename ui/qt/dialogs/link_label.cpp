#include "ui/qt/dialogs/link_label.h"

#include <utility>

#include <QMouseEvent>

namespace sumora::qt {

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    endsDoubleClick_ = true;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const bool second = std::exchange(endsDoubleClick_, false);
    if (!second && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace sumora::qt
