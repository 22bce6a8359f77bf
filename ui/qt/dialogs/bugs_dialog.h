#pragma once

#include <QDialog>

class QLabel;

namespace sumora::dialogs {

// The notice that asks the user to report errors to the author.
class BugsDialog final : public QDialog {
public:
    // Modal over `mainWindow`, to which OK gives the focus back.
    explicit BugsDialog(QWidget* mainWindow);

    void Form_Load();
    void cmdOK_Click();

private:
    QLabel* lblBugs_;
};

}  // namespace sumora::dialogs
