#pragma once

#include "platform/platform.h"
#include "ui/forms/commands.h"

class QWidget;

namespace sumora::qt {

// The menu commands of the main window. Save, Print and License Agreement each show one fixed
// message box; Bugs Fix and About open their dialogs modally, built afresh each time; Exit ends the
// program at once, without closing windows one by one. None of them reads or changes the
// calculator.
class MenuCommands {
public:
    MenuCommands(platform::Platform& platform, QWidget& mainWindow)
        : platform_(platform), mainWindow_(mainWindow) {}

    void run(forms::MenuCommand command);

private:
    platform::Platform& platform_;
    QWidget& mainWindow_;
};

}  // namespace sumora::qt
