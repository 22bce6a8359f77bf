#pragma once

#include <QPushButton>

#include "ui/forms/face_colours.h"

namespace sumora::qt {

// A key of the keypad. Outside a dialog a push button ignores Enter, so the key clicks itself on
// Enter as it does on Space. Typed characters, Escape and the keypad's decimal key are announced
// for the window to route; nothing here knows which keys route them.
class KeyButton : public QPushButton {
    Q_OBJECT

public:
    explicit KeyButton(QWidget* parent);

    // A face that shows whatever the widget style and theme: the key then draws its own bevel,
    // with the colours in its palette's button and button-text roles.
    void setFaceColours(const forms::FaceColours& colours);

signals:
    void typed(char16_t code);
    void keypadDecimalTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool ownFace_ = false;
};

}  // namespace sumora::qt
