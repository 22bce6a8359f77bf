#include "ui/qt/dialogs/about_dialog.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/forms/about_actions.h"
#include "ui/qt/dialogs/control_builder.h"
#include "ui/qt/dialogs/dialog_window.h"
#include "ui/qt/dialogs/link_label.h"

namespace sumora::dialogs {

namespace {

const QColor linkBlue(0, 0, 255);
const QColor followedRed(255, 0, 0);

void setTextColour(QLabel& label, const QColor& colour) {
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, colour);
    label.setPalette(colours);
}

QCursor handCursor() {
    const QPixmap hand(":/cursors/hand.png");
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 12, 1);
}

}  // namespace

AboutDialog::AboutDialog(platform::Platform& platform, QWidget* mainWindow)
    : QDialog(mainWindow), platform_(platform) {
    buildWindow(*this, aboutWindow, aboutControls);
    setModal(true);

    auto* link = findChild<LinkLabel*>("lblemail");
    lblemail_ = link;
    link->setText(qtText(emailCaption()));
    link->setProperty("tag", qtText(emailTag()));
    link->setToolTip(qtText(emailToolTip()));
    link->setCursor(handCursor());
    setTextColour(*link, linkBlue);

    auto* ok = findChild<QPushButton*>("Command1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this,
            [this] { Command2_Click(); });
    connect(link, &LinkLabel::clicked, this, [this] { lblemail_Click(); });

    placeInScreenCentre(*this);
    Form_Load();
}

void AboutDialog::Form_Load() {
    // Every window shows its own mouse pointer again.
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void AboutDialog::Command1_Click() {
    unloadAndReturnToMainWindow(*this);
}

void AboutDialog::Command2_Click() {
    StartSysInfo(platform_);
}

void AboutDialog::lblemail_Click() {
    followEmailLink(platform_, lblemail_->property("tag").toString().toStdString(),
                    lblemail_->text().toStdString());
    setTextColour(*lblemail_, followedRed);
}

}  // namespace sumora::dialogs
