#include "ui/qt/dialogs/about_dialog.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPixmap>

#include "ui/forms/about_actions.h"
#include "ui/forms/face_colours.h"
#include "ui/qt/dialogs/control_builder.h"
#include "ui/qt/dialogs/dialog_window.h"
#include "ui/qt/dialogs/link_label.h"

namespace sumora::dialogs {

namespace {

void setTextColour(QLabel& label, ui::Rgb colour) {
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, qtColour(colour));
    label.setPalette(colours);
}

QCursor handCursor() {
    const QPixmap hand(":/cursors/hand.png");
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 12, 1);
}

}  // namespace

AboutDialog::AboutDialog(platform::Platform& platform, QWidget* mainWindow)
    : QDialog(mainWindow), platform_(platform) {
    buildWindow(*this, aboutWindow, aboutControls, [this](DialogCommand command) { run(command); });
    setModal(true);

    auto* link = findChild<LinkLabel*>("lblemail");
    lblemail_ = link;
    link->setText(qtText(emailCaption()));
    link->setProperty("tag", qtText(emailTag()));
    link->setToolTip(qtText(emailToolTip()));
    link->setCursor(handCursor());
    setTextColour(*link, ui::linkColour);

    placeInScreenCentre(*this);
    Form_Load();
}

void AboutDialog::Form_Load() {
    // Every window shows its own mouse pointer again.
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void AboutDialog::run(DialogCommand command) {
    switch (command) {
        case DialogCommand::ok:
            unloadAndReturnToMainWindow(*this);
            break;
        case DialogCommand::systemInfo:
            StartSysInfo(platform_);
            break;
        case DialogCommand::emailLink:
            followEmailLink(platform_, lblemail_->property("tag").toString().toStdString(),
                            lblemail_->text().toStdString());
            setTextColour(*lblemail_, ui::followedLinkColour);
            break;
    }
}

}  // namespace sumora::dialogs
