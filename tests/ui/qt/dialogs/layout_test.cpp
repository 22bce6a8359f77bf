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

#include "tests/platform/fake_platform.h"
#include "ui/forms/dialog_controls.h"
#include "ui/qt/dialogs/about_dialog.h"
#include "ui/qt/dialogs/bugs_dialog.h"

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
    EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_EQ(dialog.font().family(), qt(attributes.font.family));
    EXPECT_EQ(dialog.font().pointSizeF(), attributes.font.pointSize);
}

void expectControls(QDialog& dialog, std::span<const Control> controls) {
    for (const Control& control : controls) {
        SCOPED_TRACE(std::string(control.objectName));
        auto* widget = dialog.findChild<QWidget*>(qt(control.objectName));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(),
                  control.container.empty() ? dialog.objectName() : qt(control.container));

        const int height = control.kind == Kind::line ? 1 : pixels(control.h);
        EXPECT_EQ(widget->geometry(),
                  QRect(pixels(control.x), pixels(control.y), pixels(control.w), height));
        if (control.kind == Kind::line) {
            continue;
        }
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
        expectTabOrder(c.dialog, c.controls);
    }
}

}  // namespace
}  // namespace sumora::dialogs
