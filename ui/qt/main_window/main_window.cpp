#include "ui/qt/main_window/main_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include "ui/forms/face_colours.h"
#include "ui/forms/main_window_controls.h"
#include "ui/forms/version_caption.h"
#include "ui/qt/horizontal_rule.h"
#include "ui/qt/main_window/announcer.h"
#include "ui/qt/main_window/copy_commands.h"
#include "ui/qt/main_window/field_label.h"
#include "ui/qt/main_window/key_button.h"
#include "ui/qt/main_window/sumora_icon.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

namespace {

QRect pixelRect(int x, int y, int w, int h) {
    return {forms::pixels(x), forms::pixels(y), forms::pixels(w), forms::pixels(h)};
}

}  // namespace

MainWindow::MainWindow(platform::Platform& platform)
    : QMainWindow(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowCloseButtonHint),
      view_(keys_, labels_, announcer_, platform),
      engine_(view_),
      menuCommands_(platform, *this) {
    setObjectName("frmSumora");
    setWindowTitle(qtText(forms::versionCaption));
    setWindowIcon(sumoraIcon());

    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    setPalette(buttonFace);

    auto* client = new QWidget(this);
    client->setFont(qtFont(forms::windowFont));
    client->setFixedSize(forms::pixels(forms::clientWidth), forms::pixels(forms::clientHeight));
    setCentralWidget(client);

    buildKeys(client);
    buildLabels(client);
    announcer_ = new Announcer(client);
    addCopyCommands(*this, *labels_[static_cast<std::size_t>(Label::lblDisp)],
                    *labels_[static_cast<std::size_t>(Label::lblMem)]);
    addPasteCommands(*this, *labels_[static_cast<std::size_t>(Label::lblDisp)], engine_);
    buildLines(client);
    buildMenus();
    setFixedSize(sizeHint());

    engine_.Form_Load();
    keys_[static_cast<std::size_t>(Key::cmdNum0)]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showCentred() {
    const QRect screen = this->screen()->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen));
    show();
}

void MainWindow::buildKeys(QWidget* client) {
    // Created in tab order, so the focus chain is the table's order.
    for (const forms::KeyControl& control : forms::keyControls) {
        auto* key = new KeyButton(client);
        key->setObjectName(qtText(control.objectName));
        key->setText(qtText(control.caption));
        key->setToolTip(qtText(control.toolTip));
        key->setAccessibleName(qtText(control.accessibleName));
        key->setFont(qtFont(control.font));
        key->setGeometry(pixelRect(control.x, control.y, control.w, control.h));
        if (const auto colours = faceColours(control.face)) {
            key->setFaceColours(*colours);
        }
        keys_[static_cast<std::size_t>(control.key)] = key;

        const Key id = control.key;
        connect(key, &KeyButton::clicked, this, [this, id] { engine_.click(id); });
        connect(key, &KeyButton::typed, this, [this, id](char16_t code) {
            engine_.keyPress(id, static_cast<std::int16_t>(code));
        });
        connect(key, &KeyButton::keypadDecimalTyped, this,
                [this, id] { engine_.keypadDecimalPress(id); });
    }
}

void MainWindow::buildLabels(QWidget* client) {
    for (const forms::LabelControl& control : forms::labelControls) {
        auto* label = new FieldLabel(client);
        label->setObjectName(qtText(control.objectName));
        label->setTextFormat(Qt::PlainText);
        label->showText(qtText(control.initialText));
        label->setAccessibleDescription(qtText(control.accessibleDescription));
        label->setCoveredWidth(forms::pixels(forms::coveredWidth(control.label)));
        label->setFont(qtFont(control.font));
        label->setGeometry(pixelRect(control.x, control.y, control.w, control.h));
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(control.align == forms::TextAlign::right
                                ? Qt::AlignRight | Qt::AlignVCenter
                                : Qt::AlignCenter);
        QPalette colours = label->palette();
        colours.setBrush(
            QPalette::Window,
            colours.brush(control.fill == forms::LabelFill::buttonFace ? QPalette::Button
                                                                       : QPalette::Base));
        colours.setBrush(
            QPalette::WindowText,
            colours.brush(control.ink == forms::LabelInk::buttonText ? QPalette::ButtonText
                                                                     : QPalette::WindowText));
        label->setPalette(colours);
        label->setAutoFillBackground(true);
        labels_[static_cast<std::size_t>(control.label)] = label;
    }
}

void MainWindow::buildLines(QWidget* client) {
    for (const forms::LineControl& control : forms::lineControls) {
        addHorizontalRule(client, control.x1, control.y, control.x2 - control.x1)
            ->setObjectName(qtText(control.objectName));
    }
}

void MainWindow::buildMenus() {
    for (const forms::MenuControl& control : forms::menuControls) {
        QMenu* menu = menuBar()->addMenu(qtText(control.caption));
        menu->setObjectName(qtText(control.objectName));
        menu->menuAction()->setObjectName(qtText(control.objectName));
        for (const forms::MenuEntry& entry : control.entries) {
            QAction* action = entry.caption.empty() ? menu->addSeparator()
                                                    : menu->addAction(qtText(entry.caption));
            action->setObjectName(qtText(entry.objectName));
            if (const auto command = entry.command) {
                connect(action, &QAction::triggered, this,
                        [this, command] { menuCommands_.run(*command); });
            }
        }
    }
}

}  // namespace sumora::qt
