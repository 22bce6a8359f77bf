#include "ui/qt/main_window/menu_commands.h"

#include "ui/forms/menu_messages.h"
#include "ui/qt/dialogs/about_dialog.h"
#include "ui/qt/dialogs/bugs_dialog.h"

namespace sumora::dialogs {

namespace {

void show(platform::Platform& platform, const ui::MenuMessage& message) {
    platform.messageBox(message.prompt, message.style, message.title);
}

}  // namespace

void MenuCommands::mSave_Click() {
    show(platform_, ui::saveMessage);
}

void MenuCommands::mPrint_Click() {
    show(platform_, ui::printMessage);
}

void MenuCommands::mLicense_Click() {
    show(platform_, ui::licenseMessage);
}

// Each dialog is the only one of its kind: it lives only while its modal loop runs.
void MenuCommands::mBugs_Click() {
    BugsDialog dialog(&mainWindow_);
    dialog.exec();
}

void MenuCommands::mAbout_Click() {
    AboutDialog dialog(platform_, &mainWindow_);
    dialog.exec();
}

}  // namespace sumora::dialogs
