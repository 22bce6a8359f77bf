#include <functional>
#include <string>
#include <vector>

#include <QClipboard>

#include "tests/ui/qt/main_window/window_fixture.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::qt {
namespace {

using KeysTest = WindowTest;

// Each key is clicked where its effect differs from what any other key would do in its place, so
// a key wired to another key's handler, or to none, fails its row. Typed keys are real key events
// on the focused widget, as a user makes them. Tab runs through the keys first.
TEST_F(KeysTest, EveryKeyClickedOrTypedHasItsOwnEffect) {
    for (std::size_t step = 1; step <= forms::keyControls.size(); ++step) {
        play("Tab");
        EXPECT_EQ(focusName().toStdString(),
                  forms::keyControls[step % forms::keyControls.size()].objectName)
            << "after " << step << " Tab presses";
    }
    struct Case {
        std::string name, steps;        // see WindowTest::play; "@" clicks the key named
        std::string shown, focus = {};  // shown: display|indicator|memory
    };
    std::vector<Case> cases = {
        {"cmdPt", "1 @ 5", "1.5||"},
        {"cmdPi", "7 + @", "3.1421|+|"},
        {"cmdOp0", "2 @ 3 click:cmdEq", "5|=|"},
        {"cmdOp1", "2 @ 3 click:cmdEq", "-1|=|"},
        {"cmdOp2", "2 @ 3 click:cmdEq", "6|=|"},
        {"cmdOp3", "2 @ 3 click:cmdEq", "1|=|"},
        {"cmdOp4", "2 @ 3 click:cmdEq", "8|=|"},
        {"cmdOp5", "9 @", "3|Sqr|"},
        {"cmdEq", "2 + 3 @", "5|=|"},
        {"cmdPosNeg", "1 2 @", "-12||"},
        {"cmdAC", "7 click:Mplus click:cmdNum2 @", "0||"},
        {"Mplus", "7 click:Mplus click:cmdNum2 @", "72||79"},
        {"Msub", "7 click:Mplus click:cmdNum2 @", "72||-65"},
        {"Mdisplay", "7 click:Mplus click:cmdNum2 @", "7||7"},
        {"Mreplace", "7 click:Mplus click:cmdNum2 @", "72||72"},
        {"keypad keys, then Return on the focused equals key",
         "keypad:7 keypad:* keypad:5 focus:cmdEq Return", "35|=|", "cmdEq"},
        {"the keypad's Enter on a digit enters it again", "3 keypad:Enter", "33||", "cmdNum3"},
        {"Space presses the focused key", "5 focus:cmdPi Space", "3.1421||", "cmdPi"},
        {"Escape on an operator clears all", "8 + Escape", "0||", "cmdNum0"},
        // An error locks every key but clear all, until Return presses it.
        {"error", "1 / 0 click:cmdEq", "Can't Divide Zero (0)|E|", "cmdAC"},
        {"Return after an error", "1 / 0 click:cmdEq Return", "0||", "cmdNum0"},
    };
    // The digits lead the key table: each follows a "5". The other keys follow in table order.
    constexpr std::size_t digits = 10;
    ASSERT_EQ(digits + 15, forms::keyControls.size());
    for (std::size_t row = 0; row < forms::keyControls.size(); ++row) {
        const std::string name(forms::keyControls[row].objectName);
        if (row < digits) {
            cases.insert(cases.begin() + row, {name, "5 @", "5" + std::to_string(row) + "||"});
        }
        ASSERT_EQ(cases[row].name, name);
        cases[row].steps.replace(cases[row].steps.find('@'), 1, "click:" + name);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        play(c.steps);
        EXPECT_EQ((text("lblDisp") + '|' + text("lblOp") + '|' + text("lblMem")).toStdString(),
                  c.shown);
        if (!c.focus.empty()) {
            EXPECT_EQ(focusName().toStdString(), c.focus);
        }
        for (const forms::KeyControl& key : forms::keyControls) {
            EXPECT_EQ(child(key.objectName)->isEnabled(),
                      c.shown.find("|E|") == std::string::npos || key.key == Key::cmdAC)
                << key.objectName;
        }
    }
}

// Copied after 2 ^ 40 = and pasted after AC, the result is entered as the number it shows, with
// the focus on a key that takes no typing; a text that is no number changes nothing.
TEST_F(KeysTest, ChordsAndTheDisplayMenuPasteTheClipboardsNumber) {
    const auto chord = [](Qt::Key key, Qt::KeyboardModifier modifier) {
        return [key, modifier] { QTest::keyClick(QApplication::focusWidget(), key, modifier); };
    };
    const std::function<void()> pastes[] = {
        chord(Qt::Key_V, Qt::ControlModifier),
        chord(Qt::Key_Insert, Qt::ShiftModifier),
        [this] {
            const QList<QAction*> menu = child<QLabel>("lblDisp")->actions();
            ASSERT_EQ(menu.size(), 2);
            EXPECT_EQ(menu.back()->text(), "Paste");
            menu.back()->trigger();
        },
    };
    for (const auto& paste : pastes) {
        open();
        play("2 ^ 4 0 click:cmdEq");
        chord(Qt::Key_C, Qt::ControlModifier)();
        play("click:cmdAC focus:cmdPi");
        paste();
        EXPECT_EQ(text("lblDisp"), "1099511627776");
        play("focus:cmdNum0 + 0 click:cmdEq");
        EXPECT_EQ(text("lblDisp"), QApplication::clipboard()->text());
        QApplication::clipboard()->setText("1+2");
        paste();
        EXPECT_EQ(text("lblDisp"), "1,099,511,627,776");
    }
}

}  // namespace
}  // namespace sumora::qt
