#include "ui/qt/main_window/key_button.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

namespace {

constexpr char16_t escapeCode = 27;

// Alt or Ctrl alone make a command chord, not a character. Both together are AltGr on Windows,
// which types "#" and "^" on several European layouts.
bool isCommandChord(Qt::KeyboardModifiers modifiers) {
    const auto chord = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return chord == Qt::ControlModifier || chord == Qt::AltModifier ||
           chord.testFlag(Qt::MetaModifier);
}

}  // namespace

KeyButton::KeyButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void KeyButton::setFaceColours(const forms::FaceColours& colours) {
    QPalette roles = palette();
    roles.setColor(QPalette::Button, qtColour(colours.face));
    roles.setColor(QPalette::ButtonText, qtColour(colours.caption));
    roles.setColor(QPalette::Disabled, QPalette::Button, qtColour(colours.disabledFace));
    roles.setColor(QPalette::Disabled, QPalette::ButtonText, qtColour(colours.disabledCaption));
    setPalette(roles);
    ownFace_ = true;
}

void KeyButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:  // the keypad's Enter as well
            click();
            return;
        case Qt::Key_Escape:
            emit typed(escapeCode);
            return;
        case Qt::Key_Space:
            QPushButton::keyPressEvent(event);
            return;
        default:
            break;
    }
    // The keypad's decimal key, whatever it types: "," on a German layout.
    if (event->modifiers().testFlag(Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma)) {
        emit keypadDecimalTyped();
        return;
    }
    // Characters come as text, so "*", "+", "^" and "#" arrive whatever the keyboard layout, and
    // the keypad's digits and operators too.
    const QString text = event->text();
    if (text.size() == 1 && text.front().unicode() < 128 && !isCommandChord(event->modifiers())) {
        emit typed(text.front().unicode());
        return;
    }
    QPushButton::keyPressEvent(event);
}

void KeyButton::paintEvent(QPaintEvent* event) {
    if (!ownFace_) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const QBrush fill = palette().button();
    qDrawWinButton(&painter, rect(), palette(), isDown(), &fill);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
    if (hasFocus()) {
        // Drawn here rather than by the style, which may tint the whole face when focused.
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

}  // namespace sumora::qt
