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

namespace sumora::qt {

namespace {

// The link's colour, or one near it that reads on the dialog in a dark or a light theme.
void setTextColour(QLabel& label, forms::Rgb colour) {
    QPalette colours = label.palette();
    const forms::Rgb background = rgbOf(colours.color(QPalette::Window));
    colours.setColor(QPalette::WindowText, qtColour(forms::readableOn(colour, background)));
    label.setPalette(colours);
}

QCursor handCursor() {
    const QPixmap hand(":/cursors/hand.png");
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 12, 1);
}

}  // namespace

AboutDialog::AboutDialog(platform::Platform& platform, QWidget* mainWindow)
    : QDialog(mainWindow), platform_(platform) {
    buildWindow(*this, forms::aboutWindow, forms::aboutControls,
                [this](forms::DialogCommand command) { run(command); });
    setModal(true);

    auto* link = findChild<LinkLabel*>("lblemail");
    lblemail_ = link;
    link->setText(qtText(forms::emailCaption()));
    link->setProperty("tag", qtText(forms::emailTag()));
    link->setToolTip(qtText(forms::emailToolTip()));
    link->setCursor(handCursor());
    for (const auto& [objectName, spoken] : forms::aboutSpokenNames()) {
        findChild<QWidget*>(qtText(objectName))->setAccessibleName(qtText(spoken));
    }
    setTextColour(*link, forms::linkColour);

    placeInScreenCentre(*this);
    Form_Load();
}

void AboutDialog::Form_Load() {
    // Every window shows its own mouse pointer again.
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void AboutDialog::run(forms::DialogCommand command) {
    switch (command) {
        case forms::DialogCommand::ok:
            unloadAndReturnToMainWindow(*this);
            break;
        case forms::DialogCommand::systemInfo:
            forms::StartSysInfo(platform_);
            break;
        case forms::DialogCommand::emailLink:
            forms::followEmailLink(platform_, lblemail_->property("tag").toString().toStdString(),
                                   lblemail_->text().toStdString());
            setTextColour(*lblemail_, forms::followedLinkColour);
            break;
    }
}

}  // namespace sumora::qt
