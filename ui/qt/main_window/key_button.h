#pragma once

#include <QColor>
#include <QPushButton>

namespace sumora::ui {

// A key of the keypad. Outside a dialog a push button ignores Enter, so the key clicks itself on
// Enter as it does on Space. Typed characters and Escape are announced with `typed` for the window
// to route; nothing here knows which keys route them.
class KeyButton : public QPushButton {
    Q_OBJECT

public:
    explicit KeyButton(QWidget* parent);

    // A face colour that shows whatever the widget style: the key then draws its own bevel, and
    // its caption in `disabledCaption` while disabled.
    void setFaceColours(QColor face, QColor disabledCaption);

signals:
    void typed(char16_t code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
    QColor disabledCaption_;
};

}  // namespace sumora::ui
