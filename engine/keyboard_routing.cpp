#include <iterator>

#include "engine/calculator.h"

namespace sumora {

namespace {

constexpr std::int16_t escapeCode = 27;
constexpr std::int16_t pointCode = 46;

// The typed character of each operator key, by operator index. "*" stands for the "x" key and
// "#" for the square root, since neither caption is a character one types for it.
constexpr char operatorCharacters[] = {'+', '-', '*', '/', '^', '#'};

}  // namespace

void Calculator::cmdEq_KeyPress(std::int16_t KeyAscii) {
    keyboard_Press(KeyAscii);
}

void Calculator::cmdNum_KeyPress(std::int16_t /*Index*/, std::int16_t KeyAscii) {
    keyboard_Press(KeyAscii);
}

void Calculator::cmdOp_KeyPress(std::int16_t /*Index*/, std::int16_t KeyAscii) {
    keyboard_Press(KeyAscii);
}

void Calculator::cmdPt_KeyPress(std::int16_t KeyAscii) {
    keyboard_Press(KeyAscii);
}

void Calculator::keyboard_Press(std::int16_t KeyAscii) {
    // Escape: no key of the window is a cancel button, so it arrives here as a character.
    if (KeyAscii == escapeCode) {
        view_.setFocus(Key::cmdAC);
        click(Key::cmdAC);
    } else if (KeyAscii == pointCode) {
        view_.setFocus(Key::cmdPt);
        click(Key::cmdPt);
    } else {
        cal_Click(KeyAscii);
    }
}

void Calculator::cal_Click(std::int16_t key) {
    if (key >= '0' && key <= '9') {
        const auto digit = static_cast<std::int16_t>(key - '0');
        view_.setFocus(cmdNum(digit));
        click(cmdNum(digit));
        return;
    }
    for (std::int16_t index = 0; index < std::ssize(operatorCharacters); ++index) {
        if (key == operatorCharacters[index]) {
            view_.setFocus(cmdOp(index));
            click(cmdOp(index));
            return;
        }
    }
}

}  // namespace sumora
