#include "tests/ui/qt/main_window/window_fixture.h"

namespace sumora::qt {
namespace {

using ScaleTest = WindowTest;

// Run with QT_SCALE_FACTOR=2: the window keeps its logical layout and renders every device pixel.
TEST_F(ScaleTest, WindowScalesAsAWholeAtTwice) {
    ASSERT_EQ(window->devicePixelRatio(), 2.0);
    EXPECT_EQ(window->centralWidget()->grab().size(), QSize(448, 538));
}

}  // namespace
}  // namespace sumora::qt
