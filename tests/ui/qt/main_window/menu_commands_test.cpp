#include <tuple>
#include <utility>

#include <QAction>
#include <QDialog>
#include <QTimer>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/colour.h"

namespace sumora::qt {
namespace {

using MenuCommandsTest = WindowTest;

// Each command from the real menu, twice: its box or its dialog built afresh (the link clicked
// red at the first opening is blue at the second), and the calculator left as it was.
TEST_F(MenuCommandsTest, ShowTheirBoxOrDialogLeavingTheCalculatorAsItWasThenExitEnds) {
    const struct Case {
        const char* menuItem;
        std::string title, prompt;     // of the message box
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
                          (std::vector<platform::FakePlatform::MessageBoxCall>{
                              {c.prompt, platform::MessageStyle::information, c.title}}));
            } else {
                // Acts on the dialog from inside its event loop, then closes it if still open,
                // so that a modal command cannot hang the test.
                bool opened = false;
                const QObject timers;  // a pending timer must not outlive the captured state
                QTimer::singleShot(0, &timers, [&] {
                    QWidget* dialog = QApplication::activeModalWidget();
                    ASSERT_NE(dialog, nullptr);
                    opened = true;
                    EXPECT_EQ(dialog->objectName(), c.dialog);
                    EXPECT_EQ(dialog->parentWidget(), window.get()) << "no task-bar button";
                    if (auto* link = dialog->findChild<QLabel*>("lblemail")) {
                        EXPECT_EQ(link->palette().color(QPalette::WindowText), Qt::blue);
                        QTest::mouseClick(link, Qt::LeftButton);
                        // Red, darkened as far as a light theme needs to read it.
                        const QColor followed = link->palette().color(QPalette::WindowText);
                        EXPECT_EQ(std::pair(followed.green(), followed.blue()), std::pair(0, 0));
                        EXPECT_GE(
                            forms::contrastRatio(rgbOf(followed),
                                                 rgbOf(dialog->palette().color(QPalette::Window))),
                            forms::minimumTextContrast);
                    }
                    QTest::mouseClick(dialog->findChild<QPushButton*>(c.ok), Qt::LeftButton);
                    if (QApplication::activeModalWidget() == dialog) {
                        dialog->close();
                    }
                });
                item->trigger();
                EXPECT_TRUE(opened);
                EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty()) << "unloaded";
                EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
            }
            EXPECT_EQ(snapshot(), before);
        }
    }
    // Exit, the last command, ends the program at once.
    const QObject timers;  // takes its pending timers along when the test ends, however it ends
    QTimer::singleShot(0, &timers, [this] { child<QAction>("mExit")->trigger(); });
    QTimer::singleShot(5000, &timers, [] { QApplication::exit(99); });  // fails rather than hangs
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace sumora::qt
