#include <gtest/gtest.h>

#include <span>
#include <string>

#include <QAbstractButton>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include "tests/platform/fake_platform.h"
#include "ui/forms/dialog_controls.h"
#include "ui/qt/dialogs/about_dialog.h"
#include "ui/qt/dialogs/bugs_dialog.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::qt {
namespace {

TEST(DialogLayoutTest, EveryControlInPlace) {
    platform::FakePlatform fake;
    QWidget mainWindow;
    AboutDialog about(fake, &mainWindow);
    BugsDialog bugs(&mainWindow);
    const struct Case {
        QDialog& dialog;
        const forms::WindowAttributes& window;
        std::span<const forms::Control> controls;
    } cases[] = {{about, forms::aboutWindow, forms::aboutControls},
                 {bugs, forms::bugsWindow, forms::bugsControls}};
    for (const auto& [dialog, window, controls] : cases) {
        SCOPED_TRACE(std::string(window.objectName));
        EXPECT_EQ(dialog.windowTitle(), qtText(window.caption));
        EXPECT_EQ(dialog.size(),
                  QSize(forms::pixels(window.clientWidth), forms::pixels(window.clientHeight)));
        EXPECT_EQ(dialog.minimumSize() == dialog.maximumSize(), !window.sizable) << "border";
        EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
        EXPECT_EQ(dialog.font().family(), qtText(window.font.family));
        EXPECT_EQ(dialog.font().pointSizeF(), window.font.pointSize);
        for (const forms::Control& control : controls) {
            SCOPED_TRACE(std::string(control.objectName));
            auto* widget = dialog.findChild<QWidget*>(qtText(control.objectName));
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->parentWidget()->objectName(),
                      control.container.empty() ? dialog.objectName() : qtText(control.container));
            const int height = control.kind == forms::Kind::line ? 1 : forms::pixels(control.h);
            EXPECT_EQ(widget->geometry(), QRect(forms::pixels(control.x), forms::pixels(control.y),
                                                forms::pixels(control.w), height));
            if (control.kind != forms::Kind::picture && control.kind != forms::Kind::line) {
                EXPECT_EQ(widget->font().family(), qtText(control.font.family));
                EXPECT_EQ(widget->font().pointSizeF(), control.font.pointSize);
                EXPECT_EQ(widget->font().bold(), control.font.bold);
            }
            if (auto* frame = qobject_cast<QFrame*>(widget);
                frame && control.kind != forms::Kind::line) {
                const int borderWidth[] = {0, 2, 1};  // none, sunken, single
                EXPECT_EQ(frame->frameWidth(), borderWidth[static_cast<int>(control.border)]);
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                EXPECT_EQ(button->text(), qtText(control.text));
            }
            if (auto* label = qobject_cast<QLabel*>(widget);
                label && control.kind != forms::Kind::picture) {
                EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                          control.centred ? Qt::AlignHCenter : Qt::AlignLeft);
                if (!control.text.empty()) {
                    EXPECT_EQ(label->text(), qtText(control.text));
                }
            }
        }
    }
}

TEST(DialogLayoutTest, ADoubleClickOnTheMailLinkOpensMailOnce) {
    platform::FakePlatform fake;
    QWidget mainWindow;
    AboutDialog about(fake, &mainWindow);
    about.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    // What Qt delivers for a double-click: a click, then a press, a double-click and a release.
    auto* link = about.findChild<QLabel*>("lblemail");
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseDClick(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton);
    EXPECT_EQ(fake.shellOpens.size(), 1U);
}

}  // namespace
}  // namespace sumora::qt
