#include <QAccessible>
#include <QFontInfo>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/colour.h"
#include "ui/forms/main_window_controls.h"

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

TEST_F(LayoutTest, ColouredKeysShowTheirColourAndStayReadableWhenDisabled) {
    QPushButton* clearAll = child("cmdAC");
    clearAll->setFocus(Qt::TabFocusReason);  // focus must not tint the face
    // Inside the bevel, outside the focus frame: the caption sits in the middle.
    const QImage face = clearAll->grab().toImage();
    EXPECT_EQ(face.pixelColor(3, 3), QColor(255, 0, 0));
    EXPECT_EQ(face.pixelColor(3, face.height() / 2), QColor(255, 0, 0));
    const auto rgb = [](const QColor& c) {
        return forms::Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    };
    for (const char* name : {"cmdAC", "cmdPi"}) {
        QPushButton* key = child(name);
        EXPECT_EQ(key->palette().color(QPalette::Active, QPalette::ButtonText),
                  window->palette().color(QPalette::Active, QPalette::ButtonText));
        key->setEnabled(false);
        const QPalette colours = key->palette();
        EXPECT_GE(forms::contrastRatio(rgb(colours.color(QPalette::Button)),
                                       rgb(colours.color(QPalette::ButtonText))),
                  forms::minimumTextContrast)
            << name;
    }
}

}  // namespace
}  // namespace sumora::qt
