#include <algorithm>
#include <cstdlib>
#include <utility>

#include <QAccessible>
#include <QFontInfo>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/colour.h"
#include "ui/forms/main_window_controls.h"
#include "ui/qt/dialogs/about_dialog.h"

namespace sumora::qt {
namespace {

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryControlMatchesItsTableRow) {
    // What assistive technology reads: a key's own name, a field's current text.
    const auto expectRow = [this](const auto& row, std::string_view text, std::string_view tip,
                                  std::string_view name) {
        SCOPED_TRACE(row.objectName);
        auto* widget = child<QWidget>(row.objectName);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->property("text").toString(), qtText(text));
        EXPECT_EQ(widget->toolTip(), qtText(tip));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                  qtText(name));
        EXPECT_EQ(widget->geometry(), QRect(forms::pixels(row.x), forms::pixels(row.y),
                                            forms::pixels(row.w), forms::pixels(row.h)));
        EXPECT_EQ(widget->font().family(), qtText(row.font.family));
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), row.font.pointSize);
        EXPECT_EQ(widget->font().bold(), row.font.bold);
        // Where Arial itself is missing, only its metric twin keeps the captions the drawn size.
        const QString resolved = QFontInfo(widget->font()).family();
        EXPECT_TRUE(resolved == "Arial" || resolved == "Liberation Sans") << resolved.toStdString();
    };
    for (const forms::KeyControl& key : forms::keyControls) {
        expectRow(key, key.caption, key.toolTip, key.accessibleName);
    }
    for (const forms::LabelControl& label : forms::labelControls) {
        expectRow(label, label.initialText, label.initialText, label.initialText);
        EXPECT_EQ(child<QLabel>(label.objectName)->accessibleDescription(),
                  qtText(label.accessibleDescription));
    }
    for (const forms::LineControl& line : forms::lineControls) {
        auto* rule = child<QWidget>(line.objectName);
        EXPECT_EQ(rule->geometry(), QRect(forms::pixels(line.x1), forms::pixels(line.y),
                                          forms::pixels(line.x2 - line.x1), 1));
        EXPECT_EQ(rule->palette().window(), rule->palette().windowText());
        EXPECT_TRUE(rule->autoFillBackground());
    }
    EXPECT_EQ(window->windowTitle(), "Sumora v1.0");
}

// The strongest contrast between what `widget` paints inside its edges and the colour at `inset`
// from its top left: its caption or text against its face or background.
double paintedContrast(QWidget* widget, int inset) {
    const QImage image = widget->grab().toImage();
    const forms::Rgb ground = rgbOf(image.pixelColor(inset, inset));
    double strongest = 1;
    for (int y = inset; y < image.height() - inset; ++y) {
        for (int x = inset; x < image.width() - inset; ++x) {
            strongest =
                std::max(strongest, forms::contrastRatio(rgbOf(image.pixelColor(x, y)), ground));
        }
    }
    return strongest;
}

// A dark theme makes the button text near-white. The coloured keys keep readable captions on
// their own faces, and a disabled one (the error lock disables pi) shows a dimmed face; the
// fields and the About dialog's link read on the theme's backgrounds.
TEST(DarkTheme, KeysFieldsAndLinkStayReadable) {
    const QPalette light = QApplication::palette();
    QPalette dark;
    for (const auto& [role, colour] : {std::pair(QPalette::Window, QColor(53, 53, 53)),
                                       std::pair(QPalette::Button, QColor(53, 53, 53)),
                                       std::pair(QPalette::Base, QColor(30, 30, 30)),
                                       std::pair(QPalette::WindowText, QColor(Qt::white)),
                                       std::pair(QPalette::ButtonText, QColor(Qt::white)),
                                       std::pair(QPalette::Text, QColor(Qt::white))}) {
        dark.setColor(role, colour);
    }
    QApplication::setPalette(dark);
    platform::FakePlatform platform;
    MainWindow window(platform);
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto child = [&](const char* name) { return window.findChild<QWidget*>(name); };
    const QColor enabledFace = child("cmdPi")->grab().toImage().pixelColor(3, 3);
    for (const char* key : {"1", "/", "0"}) {
        QTest::keyClicks(QApplication::focusWidget(), key);
    }
    QTest::mouseClick(window.findChild<QPushButton*>("cmdEq"), Qt::LeftButton);
    ASSERT_FALSE(child("cmdPi")->isEnabled());
    // Far enough apart to tell at a glance: a quarter of the channel range on some channel.
    const QColor lockedFace = child("cmdPi")->grab().toImage().pixelColor(3, 3);
    EXPECT_GE(std::max({std::abs(enabledFace.red() - lockedFace.red()),
                        std::abs(enabledFace.green() - lockedFace.green()),
                        std::abs(enabledFace.blue() - lockedFace.blue())}),
              64);
    for (const char* name : {"cmdAC", "cmdPi", "lblDisp", "lblOp"}) {
        EXPECT_GE(paintedContrast(child(name), 4), forms::minimumTextContrast) << name;
    }
    AboutDialog about(platform, &window);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    auto* link = about.findChild<QLabel*>("lblemail");
    EXPECT_GE(paintedContrast(link, 1), forms::minimumTextContrast) << "link";
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_GE(paintedContrast(link, 1), forms::minimumTextContrast) << "followed link";
    QApplication::setPalette(light);
}

}  // namespace
}  // namespace sumora::qt
