#pragma once

#include <QLabel>

namespace sumora::qt {

// A dialog's picture: decoration, or the ground that buttons stand on. Screen readers take it for
// an unnamed pane and pass over it, rather than say "image" on the way to a button on it.
class PictureBox final : public QLabel {
public:
    explicit PictureBox(QWidget* parent);
};

}  // namespace sumora::qt
