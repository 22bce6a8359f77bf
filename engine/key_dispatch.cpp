#include "engine/calculator.h"

namespace sumora {

namespace {

std::int16_t indexIn(Key key, Key first) {
    return static_cast<std::int16_t>(static_cast<int>(key) - static_cast<int>(first));
}

bool isDigit(Key key) {
    return key >= Key::cmdNum0 && key <= Key::cmdNum9;
}

bool isOperator(Key key) {
    return key >= Key::cmdOp0 && key <= Key::cmdOp5;
}

}  // namespace

void Calculator::click(Key key) {
    if (isDigit(key)) {
        cmdNum_Click(indexIn(key, Key::cmdNum0));
        return;
    }
    if (isOperator(key)) {
        cmdOp_Click(indexIn(key, Key::cmdOp0));
        return;
    }
    switch (key) {
        case Key::cmdEq:
            cmdEq_Click();
            return;
        case Key::cmdPt:
            cmdPt_Click();
            return;
        case Key::cmdPosNeg:
            cmdPosNeg_Click();
            return;
        case Key::cmdPi:
            cmdPi_Click();
            return;
        case Key::cmdAC:
            cmdAC_Click();
            return;
        case Key::Mplus:
            Mplus_Click();
            return;
        case Key::Msub:
            Msub_Click();
            return;
        case Key::Mdisplay:
            Mdisplay_Click();
            return;
        case Key::Mreplace:
            Mreplace_Click();
            return;
        default:
            return;
    }
}

void Calculator::keyPress(Key focused, std::int16_t KeyAscii) {
    if (isDigit(focused)) {
        cmdNum_KeyPress(indexIn(focused, Key::cmdNum0), KeyAscii);
    } else if (isOperator(focused)) {
        cmdOp_KeyPress(indexIn(focused, Key::cmdOp0), KeyAscii);
    } else if (focused == Key::cmdPt) {
        cmdPt_KeyPress(KeyAscii);
    } else if (focused == Key::cmdEq) {
        cmdEq_KeyPress(KeyAscii);
    }
}

void Calculator::keypadDecimalPress(Key focused) {
    keyPress(focused, '.');
}

}  // namespace sumora
