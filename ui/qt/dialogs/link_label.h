#pragma once

#include <QLabel>

namespace sumora::qt {

// A label that reports a click of the left mouse button on it.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace sumora::qt
