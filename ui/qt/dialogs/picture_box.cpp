#include "ui/qt/dialogs/picture_box.h"

#include "ui/qt/accessible_role.h"

namespace sumora::qt {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    readWidgetsInRole<PictureBox, QAccessible::Pane>();
}

}  // namespace sumora::qt
