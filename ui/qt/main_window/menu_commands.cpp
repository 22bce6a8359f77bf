#include "ui/qt/main_window/menu_commands.h"

#include "ui/forms/menu_messages.h"
#include "ui/qt/dialogs/about_dialog.h"
#include "ui/qt/dialogs/bugs_dialog.h"

namespace sumora::ui {

namespace {

void show(platform::Platform& platform, const MenuMessage& message) {
    platform.messageBox(message.prompt, message.style, message.title);
}

}  // namespace

void MenuCommands::mSave_Click() {
    show(platform_, saveMessage);
}

void MenuCommands::mPrint_Click() {
    show(platform_, printMessage);
}

void MenuCommands::mLicense_Click() {
    show(platform_, licenseMessage);
}

// Each dialog is the only one of its kind: it lives only while its modal loop runs.
void MenuCommands::mBugs_Click() {
    dialogs::BugsDialog dialog(&mainWindow_);
    dialog.exec();
}

void MenuCommands::mAbout_Click() {
    dialogs::AboutDialog dialog(platform_, &mainWindow_);
    dialog.exec();
}

}  // namespace sumora::ui
