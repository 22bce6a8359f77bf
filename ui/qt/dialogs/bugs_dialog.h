#pragma once

#include <QDialog>

#include "ui/forms/commands.h"

namespace sumora::qt {

// The notice that asks the user to report errors to the author.
class BugsDialog final : public QDialog {
public:
    // Modal over `mainWindow`, to which OK gives the focus back.
    explicit BugsDialog(QWidget* mainWindow);

    void run(forms::DialogCommand command);
};

}  // namespace sumora::qt
