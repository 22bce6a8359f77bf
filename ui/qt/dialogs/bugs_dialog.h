#pragma once

#include <QDialog>

namespace sumora::qt {

// The notice that asks the user to report errors to the author.
class BugsDialog final : public QDialog {
public:
    // Modal over `mainWindow`, to which OK gives the focus back.
    explicit BugsDialog(QWidget* mainWindow);
};

}  // namespace sumora::qt
