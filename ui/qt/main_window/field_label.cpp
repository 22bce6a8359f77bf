#include "ui/qt/main_window/field_label.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include "ui/qt/qt_conversions.h"

namespace sumora::qt {

namespace {

QFont sized(QFont font, double pointSize) {
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

void FieldLabel::showText(const QString& text) {
    if (text == this->text()) {
        return;
    }
    // A label with no accessible name of its own is named by its text.
    setText(text);
    setToolTip(text);
}

void FieldLabel::setCoveredWidth(int pixels) {
    coveredWidth_ = pixels;
    update();
}

int FieldLabel::textIndent() const {
    // The indent a framed label keeps from its border when none is set.
    if (indent() >= 0) {
        return indent();
    }
    return frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0;
}

QRect FieldLabel::freeRect() const {
    QRect free = contentsRect();
    const int m = textIndent();
    if (alignment() & Qt::AlignRight) {
        free.setRight(free.right() - m);
    }
    if (alignment() & Qt::AlignLeft) {
        free.setLeft(free.left() + m);
    }
    if (coveredWidth_ > 0) {
        free.setLeft(std::max(free.left(), coveredWidth_ + m));
    }
    return free;
}

forms::FittedText FieldLabel::fitted() const {
    const QFont base = font();
    const auto measure = [&base](std::string_view text, double pointSize) {
        const QFontMetricsF metrics(sized(base, pointSize));
        const QString shown = qtText(text);
        const QRectF ink = metrics.boundingRect(shown);
        return std::max(ink.right(), metrics.horizontalAdvance(shown)) - std::min(ink.left(), 0.0);
    };
    return forms::fitText(text().toStdString(), base.pointSizeF(), forms::legibleFloorPoints,
                          freeRect().width(), measure);
}

void FieldLabel::paintEvent(QPaintEvent* event) {
    const forms::FittedText drawn = fitted();
    if (drawn.pointSize == font().pointSizeF() && qtText(drawn.text) == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(sized(font(), drawn.pointSize));
    style()->drawItemText(&painter, freeRect(), static_cast<int>(alignment()), palette(),
                          isEnabled(), qtText(drawn.text), foregroundRole());
}

}  // namespace sumora::qt
