#pragma once

#include <QLabel>

namespace sumora::qt {

// A label that reports a click of the left mouse button on it; the second click of a double-click
// is no second click.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool endsDoubleClick_ = false;
};

}  // namespace sumora::qt
