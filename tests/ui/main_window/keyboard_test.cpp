#include "tests/ui/main_window/window_fixture.h"

namespace sumora::ui {
namespace {

struct Case {
    std::string_view name;
    std::string_view steps;  // see KeyboardTest::play
    std::string_view display;
    std::string_view indicator;
    std::string_view focus;
};

// Every step is a real key event on the focused widget, or a mouse click, as a user makes them.
const Case cases[] = {
    {"digits reach the engine from the start", "1 2", "12", "", "cmdNum2"},
    {"Enter on the focused equals key evaluates", "7 + 5 focus:cmdEq Enter", "12", "=", "cmdEq"},
    {"a click on equals evaluates what was typed", "1 2 * 3 click:cmdEq", "36", "=", "cmdEq"},
    {"hash is the square root", "9 #", "3", "Sqr", "cmdOp5"},
    {"caret is the power", "2 ^ 1 0 focus:cmdEq Space", "1,024", "=", "cmdEq"},
    {"letter x and equals sign are not keys", "4 x =", "4", "", "cmdNum4"},
    {"Enter on a digit enters it again", "3 Enter", "33", "", "cmdNum3"},
    {"Space on a digit enters it again", "4 Space", "44", "", "cmdNum4"},
    {"Escape on an operator clears all", "8 + Escape", "0", "", "cmdNum0"},
    {"Escape on the pi key does nothing", "5 focus:cmdPi Escape", "5", "", "cmdPi"},
    {"typing after a memory key changes nothing", "6 click:Mplus 5", "6", "", "Mplus"},
    {"typing works again after a click on a digit", "6 click:Mplus click:cmdNum1 5", "615", "",
     "cmdNum5"},
    {"a point typed on equals moves to the point key", "focus:cmdEq .", "0.", "", "cmdPt"},
    {"keypad digits, operator and Enter", "kp:7 kp:+ kp:5 focus:cmdEq kp:Enter", "12", "=",
     "cmdEq"},
    {"Enter on the focused AC clears all", "9 focus:cmdAC Enter", "0", "", "cmdNum0"},
    {"a Ctrl chord is not typing", "2 ctrl:3", "2", "", "cmdNum2"},
    {"AltGr (Ctrl with Alt) types", "9 altgr:#", "3", "Sqr", "cmdOp5"},
    {"a star typed with Shift multiplies", "6 shift:* 7 focus:cmdEq Enter", "42", "=", "cmdEq"},
    {"Tab then Enter presses the next key", "Tab Enter", "1", "", "cmdNum1"},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class KeyboardTest : public WindowTest, public testing::WithParamInterface<Case> {};

TEST_P(KeyboardTest, TypedKeysReachTheEngineThroughTheFocusedKey) {
    const Case& c = GetParam();
    play(c.steps);
    EXPECT_EQ(text("lblDisp").toStdString(), c.display);
    EXPECT_EQ(text("lblOp").toStdString(), c.indicator);
    EXPECT_EQ(focusName().toStdString(), c.focus);
}

std::string caseName(const testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char ch : info.param.name) {
        name += std::isalnum(static_cast<unsigned char>(ch)) != 0 ? ch : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyboardTest, testing::ValuesIn(cases), caseName);

}  // namespace
}  // namespace sumora::ui
