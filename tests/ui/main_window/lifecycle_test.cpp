#include <QAction>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include "tests/ui/main_window/window_fixture.h"
#include "ui/main_window/control_table.h"

namespace sumora::ui {
namespace {

using LifecycleTest = WindowTest;

TEST_F(LifecycleTest, StartsResetWithTheFocusOnZero) {
    EXPECT_EQ(text("lblDisp"), "0");
    EXPECT_EQ(text("lblOp"), "");
    EXPECT_EQ(text("lblMem"), "");
    EXPECT_EQ(window->engine().state().pendingOp, -1.0F);
    EXPECT_EQ(window->engine().state().errorState, kFalse);
    EXPECT_EQ(focusName(), "cmdNum0");
}

TEST_F(LifecycleTest, TabVisitsTheKeysInTableOrderAndWraps) {
    for (std::size_t step = 1; step <= keyControls.size(); ++step) {
        play("Tab");
        const std::string_view want = keyControls[step % keyControls.size()].objectName;
        EXPECT_EQ(focusName().toStdString(), want) << "after " << step << " Tab presses";
    }
}

TEST_F(LifecycleTest, ErrorLockLeavesOnlyClearAllUntilItIsPressed) {
    play("1 / 0 click:cmdEq");
    EXPECT_EQ(text("lblOp"), "E");
    EXPECT_EQ(focusName(), "cmdAC");
    for (const KeyControl& control : keyControls) {
        SCOPED_TRACE(control.objectName);
        EXPECT_EQ(child(control.objectName)->isEnabled(), control.key == Key::cmdAC);
    }
    const QString message = text("lblDisp");
    play("5 Escape Tab click:cmdNum5");
    EXPECT_EQ(text("lblDisp"), message);
    EXPECT_EQ(focusName(), "cmdAC");

    play("Enter");
    EXPECT_EQ(text("lblDisp"), "0");
    EXPECT_EQ(focusName(), "cmdNum0");
    for (const KeyControl& control : keyControls) {
        EXPECT_TRUE(child(control.objectName)->isEnabled()) << control.objectName;
    }
}

TEST_F(LifecycleTest, RangeMessageGoesThroughThePlatform) {
    play("9 ^ 9 9 9 click:cmdEq");
    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    EXPECT_EQ(platform.messageBoxes.front().style, MessageStyle::critical);
    EXPECT_EQ(text("lblDisp"), "Answer too large or small");
}

// Runs the event loop until it ends, or fails after a while.
int runUntilTheProgramEnds() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(5000);
    return QApplication::exec();
}

TEST_F(LifecycleTest, ExitEndsTheProgramAtOnce) {
    play("7 +");
    QTimer::singleShot(0, window.get(), [this] { child<QAction>("mExit")->trigger(); });
    EXPECT_EQ(runUntilTheProgramEnds(), 0);
}

TEST_F(LifecycleTest, CloseBoxEndsTheProgram) {
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    EXPECT_EQ(runUntilTheProgramEnds(), 0);
}

TEST_F(LifecycleTest, ColouredKeysShowTheirColourUnderEveryStyle) {
    struct Case {
        std::string_view key;
        QColor face;
    };
    const Case cases[] = {{"cmdAC", QColor(255, 0, 0)}, {"cmdPi", QColor(0, 255, 0)}};
    for (const QString& name : QStyleFactory::keys()) {
        SCOPED_TRACE(name.toStdString());
        const std::unique_ptr<QStyle> style(QStyleFactory::create(name));
        window->setStyle(style.get());
        for (const Case& c : cases) {
            SCOPED_TRACE(c.key);
            QPushButton* key = child(c.key);
            key->setFocus(Qt::TabFocusReason);  // focus must not tint the face
            // Inside the bevel, outside the focus frame: the caption sits in the middle.
            const QImage face = key->grab().toImage();
            EXPECT_EQ(face.pixelColor(3, 3), c.face);
            EXPECT_EQ(face.pixelColor(3, face.height() / 2), c.face);
        }
        window->setStyle(nullptr);  // a widget does not own its style
    }
}

// Texts are made by the engine alone: a German default locale ("," as decimal point, "." between
// groups) must not reach the display.
TEST_F(LifecycleTest, GermanLocaleChangesNoText) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    window = std::make_unique<MainWindow>(platform);
    window->showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    play("1 2 3 4 * 1 0 0 0 focus:cmdEq Enter");
    EXPECT_EQ(text("lblDisp"), "1,234,000");
    play("1 . 5");
    EXPECT_EQ(text("lblDisp"), "1.5");
    play("focus:cmdPi Space");
    EXPECT_EQ(text("lblDisp"), "3.1421");
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace sumora::ui
