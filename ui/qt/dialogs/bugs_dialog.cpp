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
    buildWindow(*this, forms::bugsWindow, forms::bugsControls,
                [this](forms::DialogCommand command) { run(command); });
    setModal(true);
    setWindowIcon(noIcon());
    placeInScreenCentre(*this);
}

void BugsDialog::run(forms::DialogCommand command) {
    switch (command) {
        case forms::DialogCommand::ok:
            unloadAndReturnToMainWindow(*this);
            break;
        case forms::DialogCommand::systemInfo:
        case forms::DialogCommand::emailLink:
            // Not in this dialog.
            break;
    }
}

}  // namespace sumora::qt
