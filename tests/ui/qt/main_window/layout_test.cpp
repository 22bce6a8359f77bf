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
    const auto expectRow = [this](const auto& row, std::string_view text, std::string_view tip) {
        SCOPED_TRACE(row.objectName);
        auto* widget = child<QWidget>(row.objectName);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->property("text").toString(), qs(text));
        EXPECT_EQ(widget->toolTip(), qs(tip));
        EXPECT_EQ(widget->accessibleName(), qs(row.accessibleName));
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
        expectRow(key, key.caption, key.toolTip);
    }
    for (const LabelControl& label : labelControls) {
        expectRow(label, label.initialText, "");
    }
}

}  // namespace
}  // namespace sumora::ui
