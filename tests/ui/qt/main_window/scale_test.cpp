#include "tests/ui/qt/main_window/window_fixture.h"

namespace sumora::ui {
namespace {

using ScaleTest = WindowTest;

// Run with QT_SCALE_FACTOR=2: the window keeps its logical layout and renders every device pixel.
TEST_F(ScaleTest, WindowScalesAsAWholeAtTwice) {
    ASSERT_EQ(window->devicePixelRatio(), 2.0);
    const QPixmap grab = window->centralWidget()->grab();
    EXPECT_EQ(grab.size(), QSize(448, 538));
    // The one-pixel rule is two device pixels thick, drawn in the window-text colour.
    const QImage image = grab.toImage();
    const QColor ink = window->palette().color(QPalette::WindowText);
    EXPECT_EQ(image.pixelColor(40, 128), ink);
    EXPECT_EQ(image.pixelColor(40, 129), ink);
}

}  // namespace
}  // namespace sumora::ui
