#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QAbstractButton>
#include <QDialog>
#include <QFrame>
#include <QLabel>

#include "platform/fake_platform.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/bugs_dialog.h"
#include "ui/dialogs/dialog_controls.h"

namespace sumora::dialogs {
namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

void expectWindow(QDialog& dialog, const WindowAttributes& attributes) {
    EXPECT_EQ(dialog.objectName(), qt(attributes.objectName));
    EXPECT_EQ(dialog.windowTitle(), qt(attributes.caption));
    EXPECT_EQ(dialog.size(),
              QSize(pixels(attributes.clientWidth), pixels(attributes.clientHeight)));
    EXPECT_EQ(dialog.minimumSize() == dialog.maximumSize(), !attributes.sizable) << "border";
    EXPECT_TRUE(dialog.isModal());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog.font().family(), qt(attributes.font.family));
    EXPECT_EQ(dialog.font().pointSizeF(), attributes.font.pointSize);
}

void expectControls(QDialog& dialog, std::span<const Control> controls) {
    for (const Control& control : controls) {
        SCOPED_TRACE(std::string(control.objectName));
        auto* widget = dialog.findChild<QWidget*>(qt(control.objectName));
        ASSERT_NE(widget, nullptr);
        const QString container =
            control.container.empty() ? dialog.objectName() : qt(control.container);
        EXPECT_EQ(widget->parentWidget()->objectName(), container);

        if (control.kind == Kind::line) {
            EXPECT_EQ(widget->geometry(),
                      QRect(pixels(control.x), pixels(control.y), pixels(control.w), 1));
            EXPECT_TRUE(widget->autoFillBackground());
            EXPECT_EQ(widget->palette().color(QPalette::Window),
                      widget->palette().color(QPalette::WindowText));
            continue;
        }
        EXPECT_EQ(widget->geometry(), QRect(pixels(control.x), pixels(control.y), pixels(control.w),
                                            pixels(control.h)));
        if (control.kind != Kind::picture) {
            EXPECT_EQ(widget->font().family(), qt(control.font.family));
            EXPECT_EQ(widget->font().pointSizeF(), control.font.pointSize);
            EXPECT_EQ(widget->font().bold(), control.font.bold);
        }
        if (auto* frame = qobject_cast<QFrame*>(widget)) {
            const int borderWidth[] = {0, 2, 1};  // none, sunken, single
            EXPECT_EQ(frame->frameWidth(), borderWidth[static_cast<int>(control.border)]);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), qt(control.text));
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && control.kind != Kind::picture) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                      control.centred ? Qt::AlignHCenter : Qt::AlignLeft);
            if (!control.text.empty()) {
                EXPECT_EQ(label->text(), qt(control.text));
            }
        }
    }
}

// Tab moves the focus through the controls that take it in the order of their tab indices.
void expectTabOrder(QDialog& dialog, std::span<const Control> controls) {
    std::vector<Control> stops;
    for (const Control& control : controls) {
        auto* widget = dialog.findChild<QWidget*>(qt(control.objectName));
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            stops.push_back(control);
        }
    }
    ASSERT_FALSE(stops.empty());
    std::ranges::sort(stops, {}, &Control::tabIndex);
    QWidget* widget = dialog.findChild<QWidget*>(qt(stops.front().objectName));
    for (const Control& next : std::span(stops).subspan(1)) {
        do {
            widget = widget->nextInFocusChain();
        } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
        EXPECT_EQ(widget->objectName(), qt(next.objectName));
    }
}

TEST(DialogLayoutTest, AboutHasEveryControlInPlace) {
    platform::FakePlatform fake;
    QWidget mainWindow;
    AboutDialog dialog(fake, &mainWindow);

    expectWindow(dialog, aboutWindow);
    expectControls(dialog, aboutControls);
    expectTabOrder(dialog, aboutControls);
}

TEST(DialogLayoutTest, BugsFixHasEveryControlInPlace) {
    QWidget mainWindow;
    BugsDialog dialog(&mainWindow);

    expectWindow(dialog, bugsWindow);
    expectControls(dialog, bugsControls);
    expectTabOrder(dialog, bugsControls);
}

}  // namespace
}  // namespace sumora::dialogs
