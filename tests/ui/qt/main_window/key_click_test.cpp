#include <iterator>
#include <string>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::ui {
namespace {

using KeyClickTest = WindowTest;

// Each key is clicked where its effect differs from what any other key would do in its place, so
// a key wired to another key's handler, or to none, fails its row.
TEST_F(KeyClickTest, EveryKeyHasItsOwnEffect) {
    struct Case {
        std::string_view key;
        std::string_view before, after;  // see WindowTest::play
        std::string_view display, indicator, memory;
    };
    constexpr std::string_view withMemory = "7 click:Mplus click:cmdNum2";
    const Case cases[] = {
        {"cmdNum0", "1", "", "10", "", ""},
        {"cmdNum1", "2", "", "21", "", ""},
        {"cmdNum2", "1", "", "12", "", ""},
        {"cmdNum3", "1", "", "13", "", ""},
        {"cmdNum4", "1", "", "14", "", ""},
        {"cmdNum5", "1", "", "15", "", ""},
        {"cmdNum6", "1", "", "16", "", ""},
        {"cmdNum7", "1", "", "17", "", ""},
        {"cmdNum8", "1", "", "18", "", ""},
        {"cmdNum9", "1", "", "19", "", ""},
        {"cmdPt", "1", "5", "1.5", "", ""},
        {"cmdPi", "7 +", "", "3.1421", "+", ""},
        {"cmdOp0", "2", "3 click:cmdEq", "5", "=", ""},
        {"cmdOp1", "2", "3 click:cmdEq", "-1", "=", ""},
        {"cmdOp2", "2", "3 click:cmdEq", "6", "=", ""},
        {"cmdOp3", "2", "3 click:cmdEq", "1", "=", ""},
        {"cmdOp4", "2", "3 click:cmdEq", "8", "=", ""},
        {"cmdOp5", "9", "", "3", "Sqr", ""},
        {"cmdEq", "2 + 3", "", "5", "=", ""},
        {"cmdPosNeg", "1 2", "", "-12", "", ""},
        {"cmdAC", withMemory, "", "0", "", ""},
        {"Mplus", withMemory, "", "72", "", "79"},
        {"Msub", withMemory, "", "72", "", "-65"},
        {"Mdisplay", withMemory, "", "7", "", "7"},
        {"Mreplace", withMemory, "", "72", "", "72"},
    };
    ASSERT_EQ(std::size(cases), keyControls.size());
    for (std::size_t row = 0; row < keyControls.size(); ++row) {
        const Case& c = cases[row];
        ASSERT_EQ(c.key, keyControls[row].objectName) << "cases follow the table";
        SCOPED_TRACE(c.key);
        open();
        play(c.before);
        play("click:" + std::string(c.key));
        play(c.after);
        EXPECT_EQ(text("lblDisp").toStdString(), c.display);
        EXPECT_EQ(text("lblOp").toStdString(), c.indicator);
        EXPECT_EQ(text("lblMem").toStdString(), c.memory);
    }
}

}  // namespace
}  // namespace sumora::ui
