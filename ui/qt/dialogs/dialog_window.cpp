#include "ui/qt/dialogs/dialog_window.h"

#include <QScreen>
#include <QStyle>

namespace sumora::qt {

void placeInScreenCentre(QDialog& dialog) {
    const QRect screen = dialog.screen()->availableGeometry();
    dialog.move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dialog.size(), screen).topLeft());
}

void unloadAndReturnToMainWindow(QDialog& dialog) {
    dialog.accept();
    if (QWidget* mainWindow = dialog.parentWidget()) {
        mainWindow->activateWindow();
        mainWindow->update();
    }
}

}  // namespace sumora::qt
