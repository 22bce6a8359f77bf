#pragma once

#include "platform/platform.h"

class QWidget;

namespace sumora::ui {

// The menu commands of the main window other than Exit. Save, Print and License Agreement each
// show one fixed message box; Bugs Fix and About open their dialogs modally, built afresh each
// time. None of them reads or changes the calculator.
class MenuCommands {
public:
    MenuCommands(platform::Platform& platform, QWidget& mainWindow)
        : platform_(platform), mainWindow_(mainWindow) {}

    void mSave_Click();
    void mPrint_Click();
    void mLicense_Click();
    void mBugs_Click();
    void mAbout_Click();

private:
    platform::Platform& platform_;
    QWidget& mainWindow_;
};

}  // namespace sumora::ui
