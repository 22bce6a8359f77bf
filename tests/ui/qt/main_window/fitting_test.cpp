#include <QFontMetricsF>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/text_fitting.h"
#include "ui/qt/main_window/field_label.h"

namespace sumora::ui {
namespace {

using FittingTest = WindowTest;

enum class Drawn { tableFont, smaller, elided };

// Run at scale 1 and, in the scale tests, at scale 2: the property holds in logical pixels.
TEST_F(FittingTest, DisplayTextStaysClearOfTheIndicatorAndInsideTheBorder) {
    const struct Case {
        std::string_view name, keys;
        Drawn want;
    } cases[] = {
        {"start", "", Drawn::tableFont},
        {"longest entry", "1 2 3 4 5 6 7 8 9 0 1 2 3 4", Drawn::tableFont},
        {"15 significant digits", "2 #", Drawn::tableFont},
        {"out of range", "2 ^ 1 0 2 4 click:cmdEq", Drawn::smaller},
        // -(2^48 - 1)(2^48 + 1): the negative of the largest decimal, every digit grouped.
        {"widest decimal result",
         "2 ^ 4 8 click:cmdEq + 1 click:cmdEq click:Mreplace focus:cmdNum0 - 2 click:cmdEq "
         "click:cmdPosNeg focus:cmdNum0 * click:Mdisplay click:cmdEq",
         Drawn::smaller},
        {"2^1023", "2 ^ 1 0 2 3 click:cmdEq", Drawn::elided},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        play(c.keys);
        auto* display = child<FieldLabel>("lblDisp");
        const QString whole = display->text();
        EXPECT_EQ(display->toolTip(), whole);

        const FittedText fitted = display->fitted();
        const QString drawn = QString::fromStdString(fitted.text);
        const double tableSize = display->font().pointSizeF();
        const Drawn got = drawn != whole                 ? Drawn::elided
                          : fitted.pointSize < tableSize ? Drawn::smaller
                                                         : Drawn::tableFont;
        EXPECT_EQ(got, c.want) << fitted.pointSize << " " << fitted.text;
        if (got == Drawn::elided) {
            EXPECT_EQ(fitted.pointSize, legibleFloorPoints);
            EXPECT_TRUE(drawn.startsWith(QString::fromUtf8(ellipsis.data(), ellipsis.size())));
            EXPECT_TRUE(whole.endsWith(drawn.mid(1)));
        }

        // The free part: right of the indicator, inside the border.
        const QRect indicator = child<QLabel>("lblOp")->geometry();
        const QRectF free(QPointF(indicator.right() + 1 - display->x(), 0),
                          QPointF(display->contentsRect().right() + 1, display->height()));
        QFont font = display->font();
        font.setPointSizeF(fitted.pointSize);
        const QFontMetricsF metrics(font);
        const QRectF ink = metrics.boundingRect(drawn).translated(
            display->freeRect().right() + 1 - metrics.horizontalAdvance(drawn), 0);
        EXPECT_GE(ink.left(), free.left());
        EXPECT_LE(ink.right(), free.right());
    }
}

TEST_F(FittingTest, IndicatorShowsTheSquareRootCaptionWhole) {
    play("9 #");
    auto* indicator = child<FieldLabel>("lblOp");
    ASSERT_EQ(indicator->text(), "Sqr");
    EXPECT_EQ(QString::fromStdString(indicator->fitted().text), "Sqr");
}

}  // namespace
}  // namespace sumora::ui
