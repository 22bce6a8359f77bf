#include "ui/qt/dialogs/bugs_dialog.h"

#include <QIcon>
#include <QPixmap>

#include "ui/qt/dialogs/control_builder.h"
#include "ui/qt/dialogs/dialog_window.h"

namespace sumora::qt {

namespace {

// A blank icon: without one the window would take the application's.
QIcon noIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

}  // namespace

BugsDialog::BugsDialog(QWidget* mainWindow) : QDialog(mainWindow) {
    // OK is its one command.
    buildWindow(*this, forms::bugsWindow, forms::bugsControls,
                [this](forms::DialogCommand) { unloadAndReturnToMainWindow(*this); });
    setModal(true);
    setWindowIcon(noIcon());
    placeInScreenCentre(*this);
}

}  // namespace sumora::qt
