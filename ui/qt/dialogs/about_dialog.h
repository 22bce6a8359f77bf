#pragma once

#include <QDialog>

#include "platform/platform.h"
#include "ui/forms/commands.h"

class QLabel;

namespace sumora::qt {

// The About box: product, author and date, the author's e-mail link, the emblem and the banner,
// OK and System Info. The work behind the link and System Info is in about_actions.h; this class
// only shows the dialog and hands the clicks over.
class AboutDialog final : public QDialog {
public:
    // Modal over `mainWindow`, to which OK gives the focus back.
    AboutDialog(platform::Platform& platform, QWidget* mainWindow);

    void Form_Load();
    void run(forms::DialogCommand command);

private:
    platform::Platform& platform_;
    QLabel* lblemail_;
};

}  // namespace sumora::qt
