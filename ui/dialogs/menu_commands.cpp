#include "ui/dialogs/menu_commands.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/bugs_dialog.h"

namespace sumora::dialogs {

void MenuCommands::mSave_Click() {
    platform_.messageBox("er... i oso dun know how and what to save leh?!",
                         MessageStyle::information, "Save? Need ke?");
}

void MenuCommands::mPrint_Click() {
    platform_.messageBox("wat? U 1 print wat for with this au tak calculator?",
                         MessageStyle::information, "Print wat?");
}

void MenuCommands::mLicense_Click() {
    platform_.messageBox("is ah Kiat 1 lar!!! Call him mah...", MessageStyle::information,
                         "License Agreement");
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
