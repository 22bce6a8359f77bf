#include "ui/qt/main_window/menu_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/platform/fake_platform.h"
#include "ui/qt/main_window/main_window.h"

namespace sumora::dialogs {
namespace {

using platform::FakePlatform;

// Runs `whileOpen` on the modal window that `command` opens, from inside its event loop, then
// closes it if still open, so that a modal command cannot hang the test. Returns whether one
// opened.
bool expectModal(const std::function<void(QWidget&)>& whileOpen,
                 const std::function<void()>& command) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            whileOpen(*modal);
            if (QApplication::activeModalWidget() == modal) {
                modal->close();
            }
        }
    });
    command();
    return opened;
}

// What the calculator shows and holds, and where its focus is.
auto snapshot(const ui::MainWindow& window) {
    const auto text = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
    const QWidget* focus = QApplication::focusWidget();
    return std::tuple(text("lblDisp"), text("lblOp"), text("lblMem"), window.engine().state(),
                      focus != nullptr ? focus->objectName() : QString());
}

// Each command from the real menu, twice: its box or its dialog built afresh (the link clicked
// red at the first opening is blue at the second), and the calculator left as it was.
TEST(MenuCommandsTest, ShowTheirBoxOrDialogAndLeaveTheCalculatorAsItWas) {
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
    FakePlatform fake;
    ui::MainWindow window(fake);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // A value in memory and an addition half entered: 7 M+ + 5.
    for (const char* key : {"cmdNum7", "Mplus", "cmdOp0", "cmdNum5"}) {
        QTest::mouseClick(window.findChild<QPushButton*>(key), Qt::LeftButton);
    }
    const auto before = snapshot(window);
    ASSERT_EQ(std::get<2>(before), "7");

    for (int round = 1; round <= 2; ++round) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.menuItem) + ", round " + std::to_string(round));
            fake.messageBoxes.clear();
            QAction* item = window.findChild<QAction*>(c.menuItem);
            if (c.dialog == nullptr) {
                item->trigger();
                EXPECT_EQ(fake.messageBoxes, (std::vector<FakePlatform::MessageBoxCall>{
                                                 {c.prompt, MessageStyle::information, c.title}}));
            } else {
                EXPECT_TRUE(expectModal(
                    [&](QWidget& dialog) {
                        EXPECT_EQ(dialog.objectName(), c.dialog);
                        EXPECT_EQ(dialog.parentWidget(), &window) << "no task-bar button";
                        if (auto* link = dialog.findChild<QLabel*>("lblemail")) {
                            EXPECT_EQ(link->palette().color(QPalette::WindowText), Qt::blue);
                            QTest::mouseClick(link, Qt::LeftButton);
                            EXPECT_EQ(link->palette().color(QPalette::WindowText), Qt::red);
                        }
                        QTest::mouseClick(dialog.findChild<QPushButton*>(c.ok), Qt::LeftButton);
                    },
                    [&] { item->trigger(); }));
                EXPECT_TRUE(window.findChildren<QDialog*>().isEmpty()) << "unloaded";
                EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
            }
            EXPECT_EQ(snapshot(window), before);
        }
    }
}

}  // namespace
}  // namespace sumora::dialogs
