#include "ui/qt/main_window/menu_commands.h"

#include <QApplication>

#include "ui/forms/menu_messages.h"
#include "ui/qt/dialogs/about_dialog.h"
#include "ui/qt/dialogs/bugs_dialog.h"

namespace sumora::qt {

namespace {

void show(platform::Platform& platform, const forms::MenuMessage& message) {
    platform.messageBox(message.prompt, message.style, message.title);
}

}  // namespace

void MenuCommands::run(forms::MenuCommand command) {
    switch (command) {
        case forms::MenuCommand::save:
            show(platform_, forms::saveMessage);
            break;
        case forms::MenuCommand::print:
            show(platform_, forms::printMessage);
            break;
        case forms::MenuCommand::license:
            show(platform_, forms::licenseMessage);
            break;
        case forms::MenuCommand::exit:
            QApplication::exit(0);
            break;
        // Each dialog is the only one of its kind: it lives only while its modal loop runs.
        case forms::MenuCommand::bugs: {
            BugsDialog dialog(&mainWindow_);
            dialog.exec();
            break;
        }
        case forms::MenuCommand::about: {
            AboutDialog dialog(platform_, &mainWindow_);
            dialog.exec();
            break;
        }
    }
}

}  // namespace sumora::qt
