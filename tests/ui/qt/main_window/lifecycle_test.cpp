#include <QAction>
#include "tests/ui/qt/main_window/window_fixture.h"
#include "tests/ui/qt/scoped_guards.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::ui {
namespace {

using LifecycleTest = WindowTest;

TEST_F(LifecycleTest, ErrorLockLeavesOnlyClearAllUntilItIsPressed) {
    const auto expectEnabled = [this](bool locked) {
        for (const KeyControl& control : keyControls) {
            EXPECT_EQ(child(control.objectName)->isEnabled(), !locked || control.key == Key::cmdAC)
                << control.objectName;
        }
    };
    play("1 / 0 click:cmdEq");
    EXPECT_EQ(text("lblOp"), "E");
    EXPECT_EQ(focusName(), "cmdAC");
    expectEnabled(true);
    const QString message = text("lblDisp");
    play("5 Escape Tab click:cmdNum5");
    EXPECT_EQ(text("lblDisp"), message);
    EXPECT_EQ(focusName(), "cmdAC");

    play("Return");
    EXPECT_EQ(text("lblDisp"), "0");
    EXPECT_EQ(focusName(), "cmdNum0");
    expectEnabled(false);
}

TEST_F(LifecycleTest, ExitEndsTheProgramAtOnce) {
    play("7 +");
    const ScopedTimer exit(0, [this] { child<QAction>("mExit")->trigger(); });
    const ScopedTimer watchdog(5000, [] { QApplication::exit(99); });  // fails rather than hangs
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(LifecycleTest, ClearAllKeyShowsItsColour) {
    QPushButton* key = child("cmdAC");
    key->setFocus(Qt::TabFocusReason);  // focus must not tint the face
    // Inside the bevel, outside the focus frame: the caption sits in the middle.
    const QImage face = key->grab().toImage();
    EXPECT_EQ(face.pixelColor(3, 3), QColor(255, 0, 0));
    EXPECT_EQ(face.pixelColor(3, face.height() / 2), QColor(255, 0, 0));
}

// Texts are made by the engine alone: a German default locale ("," as decimal point, "." between
// groups) must not reach the display.
TEST_F(LifecycleTest, GermanLocaleChangesNoText) {
    const ScopedDefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    open();
    play("1 2 3 4 * 1 0 0 0 focus:cmdEq Return");
    EXPECT_EQ(text("lblDisp"), "1,234,000");
    play("1 . 5");
    EXPECT_EQ(text("lblDisp"), "1.5");
    play("focus:cmdPi Space");
    EXPECT_EQ(text("lblDisp"), "3.1421");
}

}  // namespace
}  // namespace sumora::ui
