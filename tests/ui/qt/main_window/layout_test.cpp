#include <QAccessible>
#include <QFontInfo>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::ui {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryControlMatchesItsTableRow) {
    // What assistive technology reads: a key's own name, a field's current text.
    const auto expectRow = [this](const auto& row, std::string_view text, std::string_view tip,
                                  std::string_view name) {
        SCOPED_TRACE(row.objectName);
        auto* widget = child<QWidget>(row.objectName);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->property("text").toString(), qs(text));
        EXPECT_EQ(widget->toolTip(), qs(tip));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), qs(name));
        EXPECT_EQ(widget->geometry(),
                  QRect(pixels(row.x), pixels(row.y), pixels(row.w), pixels(row.h)));
        EXPECT_EQ(widget->font().family(), qs(row.font.family));
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), row.font.pointSize);
        EXPECT_EQ(widget->font().bold(), row.font.bold);
        // Where Arial itself is missing, only its metric twin keeps the captions the drawn size.
        const QString resolved = QFontInfo(widget->font()).family();
        EXPECT_TRUE(resolved == "Arial" || resolved == "Liberation Sans") << resolved.toStdString();
    };
    for (const KeyControl& key : keyControls) {
        expectRow(key, key.caption, key.toolTip, key.accessibleName);
    }
    for (const LabelControl& label : labelControls) {
        expectRow(label, label.initialText, label.initialText, label.initialText);
        EXPECT_EQ(child<QLabel>(label.objectName)->accessibleDescription(),
                  qs(label.accessibleDescription));
    }
}

}  // namespace
}  // namespace sumora::ui
