#pragma once

#include <QLabel>

#include "ui/forms/text_fitting.h"

namespace sumora::qt {

// A text field of the window. Its text is always the whole text it was given: the tooltip and,
// for assistive technology, the accessible name; so the field has no accessible name of its own.
// Only the drawing adapts: a text wider than the field's free part is drawn in a smaller font and,
// past a legible floor, as its last part behind an ellipsis (see ui/forms/text_fitting.h).
class FieldLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void showText(const QString& text);

    // The left end of the field, in pixels, lies under another control and holds no text.
    void setCoveredWidth(int pixels);

    // Where the text is drawn: the contents less the indent at its aligned side and less the
    // covered part.
    QRect freeRect() const;

    // The font and the text that are drawn now.
    forms::FittedText fitted() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int textIndent() const;

    int coveredWidth_ = 0;
};

}  // namespace sumora::qt
