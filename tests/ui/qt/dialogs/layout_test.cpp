#include <gtest/gtest.h>

#include <span>
#include <string>

#include <QAbstractButton>
#include <QDialog>
#include <QFrame>
#include <QLabel>

#include "platform/fake_platform.h"
#include "ui/forms/dialog_controls.h"
#include "ui/qt/dialogs/about_dialog.h"
#include "ui/qt/dialogs/bugs_dialog.h"
#include "ui/qt/qt_conversions.h"

namespace sumora::dialogs {
namespace {

using ui::qtText;

void expectWindow(QDialog& dialog, const WindowAttributes& attributes) {
    EXPECT_EQ(dialog.objectName(), qtText(attributes.objectName));
    EXPECT_EQ(dialog.windowTitle(), qtText(attributes.caption));
    EXPECT_EQ(dialog.size(),
              QSize(pixels(attributes.clientWidth), pixels(attributes.clientHeight)));
    EXPECT_EQ(dialog.minimumSize() == dialog.maximumSize(), !attributes.sizable) << "border";
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_EQ(dialog.font().family(), qtText(attributes.font.family));
    EXPECT_EQ(dialog.font().pointSizeF(), attributes.font.pointSize);
}

void expectControls(QDialog& dialog, std::span<const Control> controls) {
    for (const Control& control : controls) {
        SCOPED_TRACE(std::string(control.objectName));
        auto* widget = dialog.findChild<QWidget*>(qtText(control.objectName));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(),
                  control.container.empty() ? dialog.objectName() : qtText(control.container));

        const int height = control.kind == Kind::line ? 1 : pixels(control.h);
        EXPECT_EQ(widget->geometry(),
                  QRect(pixels(control.x), pixels(control.y), pixels(control.w), height));
        if (control.kind == Kind::line) {
            continue;
        }
        if (control.kind != Kind::picture) {
            EXPECT_EQ(widget->font().family(), qtText(control.font.family));
            EXPECT_EQ(widget->font().pointSizeF(), control.font.pointSize);
            EXPECT_EQ(widget->font().bold(), control.font.bold);
        }
        if (auto* frame = qobject_cast<QFrame*>(widget)) {
            const int borderWidth[] = {0, 2, 1};  // none, sunken, single
            EXPECT_EQ(frame->frameWidth(), borderWidth[static_cast<int>(control.border)]);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), qtText(control.text));
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && control.kind != Kind::picture) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                      control.centred ? Qt::AlignHCenter : Qt::AlignLeft);
            if (!control.text.empty()) {
                EXPECT_EQ(label->text(), qtText(control.text));
            }
        }
    }
}

TEST(DialogLayoutTest, EveryControlInPlace) {
    platform::FakePlatform fake;
    QWidget mainWindow;
    AboutDialog about(fake, &mainWindow);
    BugsDialog bugs(&mainWindow);
    const struct Case {
        QDialog& dialog;
        const WindowAttributes& window;
        std::span<const Control> controls;
    } cases[] = {{about, aboutWindow, aboutControls}, {bugs, bugsWindow, bugsControls}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window.objectName));
        expectWindow(c.dialog, c.window);
        expectControls(c.dialog, c.controls);
    }
}

}  // namespace
}  // namespace sumora::dialogs
