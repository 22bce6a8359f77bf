#pragma once

// The controls of the main window as data. One loop builds the window from these tables and the UI
// tests walk the same tables, so a control cannot drift from what the tests check. Positions and
// sizes are in twips (15 to a logical pixel) from the top-left corner of the client area.

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "engine/key.h"
#include "ui/forms/commands.h"
#include "ui/forms/layout_units.h"

namespace sumora::forms {

inline constexpr FontFace windowFont{"Arial", 9.0, false};

// The pi key and the clear-all key carry their own face colour; every other key uses the style's.
enum class Face { system, pureRed, pureGreen };

struct KeyControl {
    Key key;
    std::string_view objectName;
    std::string_view caption;
    std::string_view toolTip;
    FontFace font;
    int x, y, w, h;
    int tabIndex;
    std::string_view accessibleName;
    Face face = Face::system;
};

// Rows and columns of the keypad.
inline constexpr int keyWidth = 615;
inline constexpr int memoryRowHeight = 375;
inline constexpr int keypadRowHeight = 495;
inline constexpr int memoryRow = 510;
inline constexpr int row789 = 1080;
inline constexpr int row456 = 1680;
inline constexpr int row123 = 2280;
inline constexpr int row0 = 2880;

inline constexpr FontFace digitFont{"Arial", 9.75, true};

// A font that has the Greek letter for the pi key; a symbol-encoded font would turn the caption
// into whatever glyph its own table holds, so the key names the letter by its Unicode value.
inline constexpr FontFace piFont{"Arial", 15.75, true};

// In tab order: the position in this table is the key's tab index.
inline constexpr std::array<KeyControl, keyCount> keyControls{{
    {Key::cmdNum0, "cmdNum0", "0", "", digitFont, 120, row0, keyWidth, keypadRowHeight, 0, "zero"},
    {Key::cmdNum1, "cmdNum1", "1", "", digitFont, 120, row123, keyWidth, keypadRowHeight, 1, "one"},
    {Key::cmdNum2, "cmdNum2", "2", "", digitFont, 720, row123, keyWidth, keypadRowHeight, 2, "two"},
    {Key::cmdNum3, "cmdNum3", "3", "", digitFont, 1320, row123, keyWidth, keypadRowHeight, 3,
     "three"},
    {Key::cmdNum4, "cmdNum4", "4", "", digitFont, 120, row456, keyWidth, keypadRowHeight, 4,
     "four"},
    {Key::cmdNum5, "cmdNum5", "5", "", digitFont, 720, row456, keyWidth, keypadRowHeight, 5,
     "five"},
    {Key::cmdNum6, "cmdNum6", "6", "", digitFont, 1320, row456, keyWidth, keypadRowHeight, 6,
     "six"},
    {Key::cmdNum7, "cmdNum7", "7", "", digitFont, 120, row789, keyWidth, keypadRowHeight, 7,
     "seven"},
    {Key::cmdNum8, "cmdNum8", "8", "", digitFont, 720, row789, keyWidth, keypadRowHeight, 8,
     "eight"},
    {Key::cmdNum9, "cmdNum9", "9", "", digitFont, 1320, row789, keyWidth, keypadRowHeight, 9,
     "nine"},
    {Key::cmdPt,
     "cmdPt",
     ".",
     "",
     {"Arial", 13.5, true},
     720,
     row0,
     keyWidth,
     keypadRowHeight,
     10,
     "decimal point"},
    {Key::cmdPi, "cmdPi", "π", "Pi value 3.141592654", piFont, 1320, row0, keyWidth,
     keypadRowHeight, 11, "pi", Face::pureGreen},
    {Key::cmdOp0,
     "cmdOp0",
     "+",
     "addition, press +...",
     {"Arial", 12.0, true},
     2040,
     row123,
     keyWidth,
     keypadRowHeight,
     12,
     "add"},
    {Key::cmdOp1,
     "cmdOp1",
     "-",
     "substraction, press -...",
     {"Arial", 12.0, true},
     2640,
     row123,
     keyWidth,
     keypadRowHeight,
     13,
     "subtract"},
    {Key::cmdOp2,
     "cmdOp2",
     "x",
     "multiplication, press *...",
     {"Arial", 11.25, true},
     2040,
     row456,
     keyWidth,
     keypadRowHeight,
     14,
     "multiply"},
    {Key::cmdOp3, "cmdOp3", "/", "divition, press /...", digitFont, 2640, row456, keyWidth,
     keypadRowHeight, 15, "divide"},
    {Key::cmdOp4, "cmdOp4", "^", "power, press ^...", digitFont, 2040, row789, keyWidth,
     keypadRowHeight, 16, "power"},
    {Key::cmdOp5,
     "cmdOp5",
     "Sqr",
     "square root, press #...",
     {"Arial", 9.75, false},
     2640,
     row789,
     keyWidth,
     keypadRowHeight,
     17,
     "square root"},
    {Key::cmdEq,
     "cmdEq",
     "=",
     "answer, press Enter...",
     {"Arial", 12.0, true},
     2640,
     row0,
     keyWidth,
     keypadRowHeight,
     18,
     "equals"},
    {Key::cmdPosNeg,
     "cmdPosNeg",
     "+ -",
     "change value state...",
     {"Arial", 12.0, true},
     2040,
     row0,
     keyWidth,
     keypadRowHeight,
     19,
     "change sign"},
    {Key::cmdAC, "cmdAC", "AC", "Clear all value", digitFont, 2640, memoryRow, keyWidth,
     memoryRowHeight, 20, "clear all", Face::pureRed},
    {Key::Mplus,
     "Mplus",
     "M+",
     "Store a positive value",
     {"Arial", 8.25, true},
     120,
     memoryRow,
     keyWidth,
     memoryRowHeight,
     21,
     "memory add"},
    {Key::Msub,
     "Msub",
     "M-",
     "Store a negative value",
     {"Arial", 8.25, true},
     720,
     memoryRow,
     keyWidth,
     memoryRowHeight,
     22,
     "memory subtract"},
    {Key::Mdisplay,
     "Mdisplay",
     "Mdis",
     "Memory call out",
     {"Arial", 8.25, true},
     1320,
     memoryRow,
     keyWidth,
     memoryRowHeight,
     23,
     "memory recall"},
    {Key::Mreplace,
     "Mreplace",
     "Mre",
     "Memory replace",
     {"Arial", 8.25, true},
     1920,
     memoryRow,
     keyWidth,
     memoryRowHeight,
     24,
     "memory replace"},
}};

constexpr bool tabIndexIsTablePosition() {
    for (std::size_t i = 0; i < keyControls.size(); ++i) {
        if (keyControls[i].tabIndex != static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(tabIndexIsTablePosition(), "keyControls must be listed in tab order");

// The row of `key`.
constexpr const KeyControl& keyControl(Key key) {
    return *std::ranges::find(keyControls, key, &KeyControl::key);
}

enum class TextAlign { right, centre };

// The palette role a label is filled with and writes in.
enum class LabelFill { windowBackground, buttonFace };
enum class LabelInk { buttonText, windowText };

struct LabelControl {
    Label label;
    std::string_view objectName;
    std::string_view initialText;
    FontFace font;
    int x, y, w, h;
    TextAlign align;
    LabelFill fill;
    LabelInk ink;
    // The field's role; its current text is its accessible name.
    std::string_view accessibleDescription;
};

// In stacking order, back to front: the operator indicator lies over the left end of the display.
inline constexpr std::array<LabelControl, 3> labelControls{{
    {Label::lblDisp,
     "lblDisp",
     "0",
     {"Arial", 12.0, false},
     120,
     0,
     3135,
     375,
     TextAlign::right,
     LabelFill::windowBackground,
     LabelInk::buttonText,
     "display"},
    {Label::lblMem,
     "lblMem",
     "",
     {"Arial", 12.0, false},
     120,
     3600,
     3135,
     375,
     TextAlign::right,
     LabelFill::buttonFace,
     LabelInk::buttonText,
     "memory"},
    {Label::lblOp, "lblOp", "", windowFont, 160, 60, 255, 255, TextAlign::centre,
     LabelFill::windowBackground, LabelInk::windowText, "operator"},
}};

// The row of `field`.
constexpr const LabelControl& labelControl(Label field) {
    return *std::ranges::find(labelControls, field, &LabelControl::label);
}

constexpr bool overlap(const LabelControl& a, const LabelControl& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// How far from its left edge a label lies under the labels in front of it, in twips: the text of
// the display must stay clear of the operator indicator over its left end.
constexpr int coveredWidth(Label field) {
    const LabelControl* back = nullptr;
    int covered = 0;
    for (const LabelControl& front : labelControls) {
        if (back != nullptr && overlap(front, *back)) {
            covered = std::max(covered, front.x + front.w - back->x);
        }
        if (front.label == field) {
            back = &front;
        }
    }
    return covered;
}

// The entry of the display's and the memory field's context menu that copies the field's text.
inline constexpr std::string_view copyCaption = "Copy";
// The entry of the display's context menu that enters a number from the clipboard.
inline constexpr std::string_view pasteCaption = "Paste";

// Horizontal rules, one pixel thick, from x1 to x2 at height y.
struct LineControl {
    std::string_view objectName;
    int x1, x2, y;
};

inline constexpr std::array<LineControl, 2> lineControls{{
    {"Line2", 120, 3240, 960},
    {"Line1", 120, 3240, 3480},
}};

inline constexpr int clientWidth = 3360;
inline constexpr int clientHeight = 4035;

// Menu entries in order; an entry without a caption is a separator, and has no command.
struct MenuEntry {
    std::string_view objectName;
    std::string_view caption;
    std::optional<MenuCommand> command;
};

struct MenuControl {
    std::string_view objectName;
    std::string_view caption;
    std::array<MenuEntry, 4> entries;
};

inline constexpr std::array<MenuControl, 2> menuControls{{
    {"mFile",
     "&File",
     {{{"mSave", "&Save", MenuCommand::save},
       {"mPrint", "&Print", MenuCommand::print},
       {"liner1", "", std::nullopt},
       {"mExit", "&Exit", MenuCommand::exit}}}},
    {"mHelp",
     "&Help",
     {{{"mLicense", "&License Agreement", MenuCommand::license},
       {"liner4", "", std::nullopt},
       {"mBugs", "&Bugs Fix", MenuCommand::bugs},
       {"mAbout", "&About", MenuCommand::about}}}},
}};

}  // namespace sumora::forms
