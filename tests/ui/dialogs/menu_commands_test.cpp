#include "ui/dialogs/menu_commands.h"

#include <gtest/gtest.h>

#include <string_view>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "modal_watch.h"
#include "platform/fake_platform.h"
#include "ui/main_window/main_window.h"

namespace sumora::dialogs {
namespace {

using platform::FakePlatform;
using Command = void (MenuCommands::*)();

TEST(MenuCommandsTest, MessageCommandsShowTheirBoxes) {
    const struct Case {
        std::string_view name;
        Command command;
        std::string_view title;
        std::string_view prompt;
    } cases[] = {
        {"Save", &MenuCommands::mSave_Click, "Save? Need ke?",
         "er... i oso dun know how and what to save leh?!"},
        {"Print", &MenuCommands::mPrint_Click, "Print wat?",
         "wat? U 1 print wat for with this au tak calculator?"},
        {"License Agreement", &MenuCommands::mLicense_Click, "License Agreement",
         "is ah Kiat 1 lar!!! Call him mah..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        QWidget mainWindow;
        MenuCommands commands(fake, mainWindow);

        (commands.*c.command)();

        const FakePlatform::MessageBoxCall want{std::string(c.prompt), MessageStyle::information,
                                                std::string(c.title)};
        EXPECT_EQ(fake.messageBoxes, std::vector{want});
    }
}

TEST(MenuCommandsTest, DialogCommandsOpenAFreshModalDialogEachTime) {
    const struct Case {
        std::string_view name;
        Command command;
        const char* dialog;
        const char* ok;
    } cases[] = {
        {"About", &MenuCommands::mAbout_Click, "frmAbout", "Command1"},
        {"Bugs Fix", &MenuCommands::mBugs_Click, "frmBugs", "cmdOK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        QWidget mainWindow;
        mainWindow.show();
        MenuCommands commands(fake, mainWindow);
        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE(opening);
            bool changedTheLink = false;

            const bool opened = expectModal(
                [&](QWidget& modal) {
                    EXPECT_EQ(modal.objectName(), c.dialog);
                    EXPECT_EQ(modal.parentWidget(), &mainWindow) << "no task-bar button";
                    EXPECT_EQ(mainWindow.findChildren<QDialog*>().size(), 1);
                    if (auto* link = modal.findChild<QLabel*>("lblemail")) {
                        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
                        QTest::mouseClick(link, Qt::LeftButton);
                        changedTheLink = true;
                    }
                    QTest::mouseClick(modal.findChild<QPushButton*>(c.ok), Qt::LeftButton);
                },
                [&] { (commands.*c.command)(); });

            EXPECT_TRUE(opened);
            EXPECT_TRUE(mainWindow.findChildren<QDialog*>().isEmpty()) << "unloaded";
            EXPECT_EQ(fake.shellOpens.size(), changedTheLink ? std::size_t(opening) : 0U);
        }
    }
}

struct CalculatorSnapshot {
    QString display, op, memory;
    CalculatorState state;
    QString focus;
    friend bool operator==(const CalculatorSnapshot&, const CalculatorSnapshot&) = default;
};

CalculatorSnapshot snapshot(const ui::MainWindow& window) {
    const auto text = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
    const QWidget* focus = QApplication::focusWidget();
    return {text("lblDisp"), text("lblOp"), text("lblMem"), window.engine().state(),
            focus != nullptr ? focus->objectName() : QString()};
}

TEST(MenuCommandsTest, LeaveTheCalculatorAsItWas) {
    FakePlatform fake;
    ui::MainWindow window(fake);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // A value in memory and an addition half entered: 7 M+ + 5.
    for (const char* key : {"cmdNum7", "Mplus", "cmdOp0", "cmdNum5"}) {
        QTest::mouseClick(window.findChild<QPushButton*>(key), Qt::LeftButton);
    }
    const CalculatorSnapshot before = snapshot(window);
    ASSERT_EQ(before.memory, "7");

    const struct Case {
        const char* menuItem;
        const char* dialogOk;  // nullptr for a message box
    } cases[] = {
        {"mSave", nullptr}, {"mPrint", nullptr},    {"mLicense", nullptr},
        {"mBugs", "cmdOK"}, {"mAbout", "Command1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.menuItem);
        const auto boxes = fake.messageBoxes.size();
        auto* item = window.findChild<QAction*>(c.menuItem);
        ASSERT_NE(item, nullptr);
        if (c.dialogOk != nullptr) {
            EXPECT_TRUE(expectModal(
                [&](QWidget& dialog) {
                    QTest::mouseClick(dialog.findChild<QPushButton*>(c.dialogOk), Qt::LeftButton);
                },
                [&] { item->trigger(); }));
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        } else {
            item->trigger();
            EXPECT_EQ(fake.messageBoxes.size(), boxes + 1);
        }
        EXPECT_EQ(snapshot(window), before);
    }
}

}  // namespace
}  // namespace sumora::dialogs
