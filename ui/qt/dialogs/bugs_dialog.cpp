#include "ui/qt/dialogs/bugs_dialog.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

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
    buildWindow(*this, bugsWindow, bugsControls);
    setModal(true);
    setWindowIcon(noIcon());
    lblBugs_ = findChild<QLabel*>("lblBugs");

    auto* ok = findChild<QPushButton*>("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    placeInScreenCentre(*this);
    Form_Load();
}

void BugsDialog::Form_Load() {
    lblBugs_->setText("Please forward any error or bug to me");
}

void BugsDialog::cmdOK_Click() {
    unloadAndReturnToMainWindow(*this);
}

}  // namespace sumora::dialogs
