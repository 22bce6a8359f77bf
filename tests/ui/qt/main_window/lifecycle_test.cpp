#include <QAction>
#include <QTimer>
#include "tests/ui/qt/main_window/window_fixture.h"
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
    play("Return");
    EXPECT_EQ(text("lblDisp"), "0");
    EXPECT_EQ(focusName(), "cmdNum0");
    expectEnabled(false);
}

TEST_F(LifecycleTest, ExitEndsTheProgramAtOnce) {
    play("7 +");
    const QObject timers;  // takes its pending timers along when the test ends, however it ends
    QTimer::singleShot(0, &timers, [this] { child<QAction>("mExit")->trigger(); });
    QTimer::singleShot(5000, &timers, [] { QApplication::exit(99); });  // fails rather than hangs
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

}  // namespace
}  // namespace sumora::ui
