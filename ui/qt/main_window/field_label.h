#pragma once

#include <QLabel>

namespace sumora::ui {

// A text field of the window. A text wider than the field ("Sqr" in the operator indicator) is
// cut at the border instead of being drawn across it.
class FieldLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sumora::ui
