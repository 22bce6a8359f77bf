#include <functional>
#include <tuple>

#include <QAction>
#include <QDialog>
#include <QTimer>

#include "tests/ui/qt/main_window/window_fixture.h"

namespace sumora::ui {
namespace {

using platform::FakePlatform;
using MenuCommandsTest = WindowTest;

// Runs `whileOpen` on the modal window that `command` opens, from inside its event loop, then
// closes it if still open, so that a modal command cannot hang the test. Returns whether one
// opened.
bool expectModal(const std::function<void(QWidget&)>& whileOpen, QAction* command) {
    bool opened = false;
    const QObject timers;  // a timer left pending must not outlive the captured state
    QTimer::singleShot(0, &timers, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            whileOpen(*modal);
            if (QApplication::activeModalWidget() == modal) {
                modal->close();
            }
        }
    });
    command->trigger();
    return opened;
}

// Each command from the real menu, twice: its box or its dialog built afresh (the link clicked
// red at the first opening is blue at the second), and the calculator left as it was.
TEST_F(MenuCommandsTest, ShowTheirBoxOrDialogAndLeaveTheCalculatorAsItWas) {
    const struct Case {
        const char* menuItem;
        std::string title;  // of the message box
        std::string prompt;
        const char* dialog = nullptr;  // or the dialog opened, and its OK button
        const char* ok = nullptr;
    } cases[] = {
        {"mSave", "Save? Need ke?", "er... i oso dun know how and what to save leh?!"},
        {"mPrint", "Print wat?", "wat? U 1 print wat for with this au tak calculator?"},
        {"mLicense", "License Agreement", "is ah Kiat 1 lar!!! Call him mah..."},
        {"mBugs", "", "", "frmBugs", "cmdOK"},
        {"mAbout", "", "", "frmAbout", "Command1"},
    };
    // What the calculator shows and holds, and where its focus is.
    const auto snapshot = [this] {
        return std::tuple(text("lblDisp"), text("lblOp"), text("lblMem"), window->engine().state(),
                          focusName());
    };
    play("click:cmdNum7 click:Mplus click:cmdOp0 click:cmdNum5");  // 7 in memory, 7 + 5 entered
    const auto before = snapshot();
    ASSERT_EQ(std::get<2>(before), "7");

    for (int round = 1; round <= 2; ++round) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.menuItem) + ", round " + std::to_string(round));
            platform.messageBoxes.clear();
            auto* item = child<QAction>(c.menuItem);
            if (c.dialog == nullptr) {
                item->trigger();
                EXPECT_EQ(platform.messageBoxes,
                          (std::vector<FakePlatform::MessageBoxCall>{
                              {c.prompt, MessageStyle::information, c.title}}));
            } else {
                EXPECT_TRUE(expectModal(
                    [&](QWidget& dialog) {
                        EXPECT_EQ(dialog.objectName(), c.dialog);
                        EXPECT_EQ(dialog.parentWidget(), window.get()) << "no task-bar button";
                        if (auto* link = dialog.findChild<QLabel*>("lblemail")) {
                            EXPECT_EQ(link->palette().color(QPalette::WindowText), Qt::blue);
                            QTest::mouseClick(link, Qt::LeftButton);
                            EXPECT_EQ(link->palette().color(QPalette::WindowText), Qt::red);
                        }
                        QTest::mouseClick(dialog.findChild<QPushButton*>(c.ok), Qt::LeftButton);
                    },
                    item));
                EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty()) << "unloaded";
                EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
            }
            EXPECT_EQ(snapshot(), before);
        }
    }
}

}  // namespace
}  // namespace sumora::ui
