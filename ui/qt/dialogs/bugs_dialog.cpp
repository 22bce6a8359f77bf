#include "ui/qt/dialogs/bugs_dialog.h"

#include <QIcon>
#include <QPixmap>

#include "ui/qt/dialogs/control_builder.h"
#include "ui/qt/dialogs/dialog_window.h"

namespace sumora::dialogs {

namespace {

// A blank icon: without one the window would take the application's.
QIcon noIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

}  // namespace

BugsDialog::BugsDialog(QWidget* mainWindow) : QDialog(mainWindow) {
    buildWindow(*this, bugsWindow, bugsControls, [this](DialogCommand command) { run(command); });
    setModal(true);
    setWindowIcon(noIcon());
    placeInScreenCentre(*this);
}

void BugsDialog::run(DialogCommand command) {
    switch (command) {
        case DialogCommand::ok:
            unloadAndReturnToMainWindow(*this);
            break;
        case DialogCommand::systemInfo:
        case DialogCommand::emailLink:
            // Not in this dialog.
            break;
    }
}

}  // namespace sumora::dialogs
