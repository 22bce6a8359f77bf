#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "tests/ui/main_window/window_fixture.h"
#include "ui/main_window/control_table.h"

namespace sumora::ui {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void expectFont(const QFont& font, const FontSpec& wanted) {
    EXPECT_EQ(font.family(), qs(wanted.family));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), wanted.pointSize);
    EXPECT_EQ(font.bold(), wanted.bold);
    // Where Arial itself is missing, only its metric twin keeps the captions the drawn size.
    const QString resolved = QFontInfo(font).family();
    EXPECT_TRUE(resolved == "Arial" || resolved == "Liberation Sans") << resolved.toStdString();
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryKeyMatchesItsTableRow) {
    for (const KeyControl& control : keyControls) {
        SCOPED_TRACE(control.objectName);
        auto* key = child(control.objectName);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->text(), qs(control.caption));
        EXPECT_EQ(key->toolTip(), qs(control.toolTip));
        EXPECT_EQ(key->accessibleName(), qs(control.accessibleName));
        EXPECT_EQ(key->geometry(), QRect(pixels(control.x), pixels(control.y), pixels(control.w),
                                         pixels(control.h)));
        expectFont(key->font(), control.font);
        EXPECT_TRUE(key->isEnabled());
        EXPECT_FALSE(key->isDefault());
        EXPECT_FALSE(key->autoDefault());
    }
}

TEST_F(LayoutTest, EveryLabelMatchesItsTableRow) {
    for (const LabelControl& control : labelControls) {
        SCOPED_TRACE(control.objectName);
        auto* label = child<QLabel>(control.objectName);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), qs(control.initialText));
        EXPECT_EQ(label->accessibleName(), qs(control.accessibleName));
        EXPECT_EQ(label->geometry(), QRect(pixels(control.x), pixels(control.y), pixels(control.w),
                                           pixels(control.h)));
        expectFont(label->font(), control.font);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    }
}

// Pixel positions worked out by hand from the twips, so that a rounding fault in the conversion
// cannot hide behind the same conversion in the test.
TEST_F(LayoutTest, PixelPositionsRoundToTheNearestPixel) {
    struct Case {
        std::string_view name;
        QRect pixels;
    };
    const Case cases[] = {
        {"cmdNum0", {8, 192, 41, 33}},   {"cmdPi", {88, 192, 41, 33}},
        {"cmdOp4", {136, 72, 41, 33}},   {"cmdAC", {176, 34, 41, 25}},
        {"Mreplace", {128, 34, 41, 25}}, {"lblOp", {11, 4, 17, 17}},
        {"lblDisp", {8, 0, 209, 25}},    {"lblMem", {8, 240, 209, 25}},
        {"Line2", {8, 64, 208, 1}},      {"Line1", {8, 232, 208, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* widget = child<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.pixels);
    }
}

TEST_F(LayoutTest, OperatorIndicatorLiesInFrontOfTheDisplay) {
    auto* indicator = child<QLabel>("lblOp");
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(indicator->parentWidget()->childAt(indicator->geometry().center()), indicator);
}

TEST_F(LayoutTest, PiKeyShowsTheGreekLetter) {
    auto* pi = child("cmdPi");
    ASSERT_NE(pi, nullptr);
    EXPECT_EQ(pi->text(), QString(QChar(0x03C0)));
    EXPECT_TRUE(QFontMetrics(pi->font()).inFont(QChar(0x03C0)));
}

TEST_F(LayoutTest, WindowIsFixedTitledAndHasNoMinimizeOrMaximize) {
    EXPECT_EQ(window->windowTitle(), "Sumora v1.0");
    EXPECT_EQ(window->objectName(), "frmSumora");
    EXPECT_EQ(window->centralWidget()->size(), QSize(224, 269));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->height(), window->menuBar()->height() + 269);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(LayoutTest, MenusMatchTheTableWithoutShortcuts) {
    const QList<QAction*> topLevel = window->menuBar()->actions();
    ASSERT_EQ(topLevel.size(), static_cast<qsizetype>(menuControls.size()));
    for (std::size_t m = 0; m < menuControls.size(); ++m) {
        const MenuControl& control = menuControls[m];
        SCOPED_TRACE(control.objectName);
        QMenu* menu = topLevel[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), qs(control.objectName));
        EXPECT_EQ(menu->title(), qs(control.caption));
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(control.entries.size()));
        for (std::size_t i = 0; i < control.entries.size(); ++i) {
            const MenuEntry& entry = control.entries[i];
            SCOPED_TRACE(entry.objectName);
            QAction* item = items[static_cast<qsizetype>(i)];
            EXPECT_EQ(item->objectName(), qs(entry.objectName));
            EXPECT_EQ(item->isSeparator(), entry.caption.empty());
            EXPECT_EQ(item->text(), qs(entry.caption));
            EXPECT_TRUE(item->shortcut().isEmpty());
            EXPECT_FALSE(item->isCheckable());
        }
    }
}

TEST_F(LayoutTest, WindowCarriesTheIconUpToTwiceItsSize) {
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (const int size : {32, 48, 64}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}

TEST_F(LayoutTest, AltWithTheAccessLetterOpensItsMenu) {
    struct Case {
        std::string_view menu;
        Qt::Key letter;
    };
    for (const Case& c : {Case{"mFile", Qt::Key_F}, Case{"mHelp", Qt::Key_H}}) {
        SCOPED_TRACE(c.menu);
        QTest::keyClick(QApplication::focusWidget(), c.letter, Qt::AltModifier);
        auto* menu = child<QMenu>(c.menu);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
        menu->close();
        EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 1000));
    }
}

}  // namespace
}  // namespace sumora::ui
