#include "ui/dialogs/about_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/fake_platform.h"
#include "ui/dialogs/bugs_dialog.h"

namespace sumora::dialogs {
namespace {

using platform::FakePlatform;

QColor linkColour(QDialog& dialog) {
    return dialog.findChild<QLabel*>("lblemail")->palette().color(QPalette::WindowText);
}

void clickLink(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QLabel*>("lblemail"), Qt::LeftButton);
}

TEST(AboutDialogTest, LinkCarriesTheAuthorsAddress) {
    FakePlatform fake;
    QWidget mainWindow;
    AboutDialog dialog(fake, &mainWindow);
    auto* link = dialog.findChild<QLabel*>("lblemail");

    EXPECT_EQ(link->text(), "sumora@example.com ");
    EXPECT_EQ(link->property("tag").toString(), "mailto:sumora@example.com");
    EXPECT_EQ(link->toolTip(), "email me at sumora@example.com");
    if (QPixmap(":/cursors/hand.png").isNull()) {
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    } else {
        EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(link->cursor().hotSpot(), QPoint(12, 1));
    }
}

TEST(AboutDialogTest, LinkOpensMailAndTurnsRedUntilTheNextOpening) {
    const struct Case {
        std::string_view name;
        std::intptr_t shellResult;
        std::size_t wantBoxesPerClick;
    } cases[] = {
        {"mail program opens", platform::shellOpenSucceeded, 0},
        {"no mail program", platform::shellOpenFailedNoAssociation, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.shellOpenResult = c.shellResult;
        QWidget mainWindow;
        {
            AboutDialog dialog(fake, &mainWindow);
            dialog.show();
            EXPECT_EQ(linkColour(dialog), QColor(0, 0, 255));

            clickLink(dialog);
            EXPECT_EQ(linkColour(dialog), QColor(255, 0, 0));
            clickLink(dialog);
            EXPECT_EQ(linkColour(dialog), QColor(255, 0, 0));

            EXPECT_EQ(fake.shellOpens, (std::vector<std::string>(2, "mailto:sumora@example.com")));
            EXPECT_EQ(fake.messageBoxes.size(), 2 * c.wantBoxesPerClick);
        }
        AboutDialog reopened(fake, &mainWindow);
        EXPECT_EQ(linkColour(reopened), QColor(0, 0, 255));
    }
}

TEST(AboutDialogTest, SystemInfoReportsAMissingToolAndStaysOpen) {
    FakePlatform fake;
    QWidget mainWindow;
    AboutDialog dialog(fake, &mainWindow);
    dialog.show();

    QTest::mouseClick(dialog.findChild<QPushButton*>("Command2"), Qt::LeftButton);

    ASSERT_EQ(fake.messageBoxes.size(), 1U);
    EXPECT_EQ(fake.messageBoxes[0].prompt, "System Information Is Unavailable At This Time");
    EXPECT_TRUE(dialog.isVisible());
}

TEST(AboutDialogTest, OpeningRestoresTheNormalMousePointer) {
    FakePlatform fake;
    QWidget mainWindow;
    QApplication::setOverrideCursor(Qt::WaitCursor);

    AboutDialog dialog(fake, &mainWindow);

    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Both dialogs close by OK, by Enter and by Escape; OK and Enter hand the focus back.
TEST(DialogClosingTest, OkEnterAndEscapeCloseTheDialog) {
    FakePlatform fake;
    const struct Dialog {
        std::string_view name;
        std::function<std::unique_ptr<QDialog>(QWidget*)> make;
        const char* ok;
    } dialogs[] = {
        {"About", [&](QWidget* main) { return std::make_unique<AboutDialog>(fake, main); },
         "Command1"},
        {"Bugs Fix", [](QWidget* main) { return std::make_unique<BugsDialog>(main); }, "cmdOK"},
    };
    const struct Way {
        std::string_view name;
        std::function<void(QDialog&, const char*)> close;
        QDialog::DialogCode wantResult;
    } ways[] = {
        {"OK clicked",
         [](QDialog& d, const char* ok) {
             QTest::mouseClick(d.findChild<QPushButton*>(ok), Qt::LeftButton);
         },
         QDialog::Accepted},
        {"Enter", [](QDialog& d, const char*) { QTest::keyClick(&d, Qt::Key_Return); },
         QDialog::Accepted},
        {"Escape", [](QDialog& d, const char*) { QTest::keyClick(&d, Qt::Key_Escape); },
         QDialog::Rejected},
    };
    for (const auto& kind : dialogs) {
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(kind.name) + ", " + std::string(way.name));
            QWidget mainWindow;
            mainWindow.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
            auto dialog = kind.make(&mainWindow);
            dialog->open();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));

            way.close(*dialog, kind.ok);

            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(), way.wantResult);
            if (way.wantResult == QDialog::Accepted) {
                EXPECT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
            }
        }
    }
}

}  // namespace
}  // namespace sumora::dialogs
