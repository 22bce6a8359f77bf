#include "engine/calculator.h"

namespace sumora {

namespace {

std::int16_t indexIn(Key key, Key first) {
    return static_cast<std::int16_t>(static_cast<int>(key) - static_cast<int>(first));
}

}  // namespace

void Calculator::click(Key key) {
    const LabelTexts before = labelTexts();
    press(key);
    announceChanges(key, before);
}

void Calculator::press(Key key) {
    if (isDigitKey(key)) {
        cmdNum_Click(indexIn(key, Key::cmdNum0));
        return;
    }
    if (isOperatorKey(key)) {
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
    if (isDigitKey(focused)) {
        cmdNum_KeyPress(indexIn(focused, Key::cmdNum0), KeyAscii);
    } else if (isOperatorKey(focused)) {
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
