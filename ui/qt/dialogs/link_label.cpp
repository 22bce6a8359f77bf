#include "ui/qt/dialogs/link_label.h"

#include <QMouseEvent>

namespace sumora::qt {

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace sumora::qt
