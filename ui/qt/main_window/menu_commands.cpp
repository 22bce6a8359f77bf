#include "ui/qt/main_window/menu_commands.h"

#include <QApplication>

#include "ui/forms/menu_messages.h"
#include "ui/qt/dialogs/about_dialog.h"
#include "ui/qt/dialogs/bugs_dialog.h"

namespace sumora::ui {

namespace {

void show(platform::Platform& platform, const MenuMessage& message) {
    platform.messageBox(message.prompt, message.style, message.title);
}

}  // namespace

void MenuCommands::run(MenuCommand command) {
    switch (command) {
        case MenuCommand::save:
            show(platform_, saveMessage);
            break;
        case MenuCommand::print:
            show(platform_, printMessage);
            break;
        case MenuCommand::license:
            show(platform_, licenseMessage);
            break;
        case MenuCommand::exit:
            QApplication::exit(0);
            break;
        // Each dialog is the only one of its kind: it lives only while its modal loop runs.
        case MenuCommand::bugs: {
            dialogs::BugsDialog dialog(&mainWindow_);
            dialog.exec();
            break;
        }
        case MenuCommand::about: {
            dialogs::AboutDialog dialog(platform_, &mainWindow_);
            dialog.exec();
            break;
        }
    }
}

}  // namespace sumora::ui
