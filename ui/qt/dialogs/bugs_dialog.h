#pragma once

#include <QDialog>

#include "ui/forms/commands.h"

namespace sumora::dialogs {

// The notice that asks the user to report errors to the author.
class BugsDialog final : public QDialog {
public:
    // Modal over `mainWindow`, to which OK gives the focus back.
    explicit BugsDialog(QWidget* mainWindow);

    void run(ui::DialogCommand command);
};

}  // namespace sumora::dialogs
