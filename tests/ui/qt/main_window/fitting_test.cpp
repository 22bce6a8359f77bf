#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/qt/main_window/field_label.h"

namespace sumora::qt {
namespace {

using FittingTest = WindowTest;

enum class Drawn { tableFont, smaller, elided };

// Run at scale 1 and, in the scale tests, at scale 2: the property holds in logical pixels.
// However a text is drawn, the copy commands take the whole of it.
TEST_F(FittingTest, FieldTextsFitTheFreePartShrinkOnlyWhenTheyMustAndCopyWhole) {
    const struct Case {
        std::string_view name, keys, field;
        Drawn want;
    } cases[] = {
        {"longest entry", "1 2 3 4 5 6 7 8 9 0 1 2 3 4", "lblDisp", Drawn::tableFont},
        {"15 significant digits", "2 #", "lblDisp", Drawn::tableFont},
        {"out of range", "2 ^ 1 0 2 4 click:cmdEq", "lblDisp", Drawn::smaller},
        // -(2^48 - 1)(2^48 + 1): the negative of the largest decimal, every digit grouped.
        {"widest decimal result",
         "2 ^ 4 8 click:cmdEq + 1 click:cmdEq click:Mreplace focus:cmdNum0 - 2 click:cmdEq "
         "click:cmdPosNeg focus:cmdNum0 * click:Mdisplay click:cmdEq",
         "lblDisp", Drawn::smaller},
        {"2^1023", "2 ^ 1 0 2 3 click:cmdEq", "lblDisp", Drawn::elided},
        {"square root in the indicator", "9 #", "lblOp", Drawn::smaller},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        play(c.keys);
        auto* label = child<FieldLabel>(c.field);
        const QString whole = label->text();
        const forms::FittedText fitted = label->fitted();
        const QString drawn = QString::fromStdString(fitted.text);
        EXPECT_EQ(label->toolTip(), whole);
        EXPECT_EQ(drawn != whole                                  ? Drawn::elided
                  : fitted.pointSize < label->font().pointSizeF() ? Drawn::smaller
                                                                  : Drawn::tableFont,
                  c.want);
        if (drawn != whole) {
            EXPECT_EQ(fitted.pointSize, forms::legibleFloorPoints);
            EXPECT_EQ(drawn.front(), QChar(0x2026));
            EXPECT_TRUE(whole.endsWith(drawn.mid(1)));
        }
        // The free part: inside the border, and right of the indicator over the display.
        const QRect indicator = child<QLabel>("lblOp")->geometry();
        const double left = label == child<QLabel>("lblOp") ? label->contentsRect().left()
                                                            : indicator.right() + 1 - label->x();
        QFont font = label->font();
        font.setPointSizeF(fitted.pointSize);
        const QFontMetricsF metrics(font);
        const QRect room = label->freeRect();
        const double start = label->alignment() & Qt::AlignRight
                                 ? room.right() + 1 - metrics.horizontalAdvance(drawn)
                                 : room.center().x() + 0.5 - metrics.horizontalAdvance(drawn) / 2;
        const QRectF ink = metrics.boundingRect(drawn).translated(start, 0);
        EXPECT_GE(ink.left(), left);
        EXPECT_LE(ink.right(), label->contentsRect().right() + 1);

        QClipboard* clipboard = QApplication::clipboard();
        for (const QKeyCombination chord : {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}) {
            clipboard->clear();
            QTest::keyClick(QApplication::focusWidget(), chord.key(), chord.keyboardModifiers());
            EXPECT_EQ(clipboard->text(), text("lblDisp"));
        }
        for (const char* copied : {"lblDisp", "lblMem"}) {
            const QList<QAction*> menu = child<QLabel>(copied)->actions();
            ASSERT_FALSE(menu.empty());
            EXPECT_EQ(menu.front()->text(), "Copy");
            menu.front()->trigger();
            EXPECT_EQ(clipboard->text(), text(copied)) << copied;
        }
    }
}

}  // namespace
}  // namespace sumora::qt
