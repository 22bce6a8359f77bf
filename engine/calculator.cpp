#include "engine/calculator.h"

namespace sumora {

namespace {

// The keys that the error lock disables and the AC that releases it enables again: every key but
// AC itself.
constexpr Key lockedKeys[] = {
    Key::cmdNum0,   Key::cmdNum1, Key::cmdNum2, Key::cmdNum3, Key::cmdNum4,  Key::cmdNum5,
    Key::cmdNum6,   Key::cmdNum7, Key::cmdNum8, Key::cmdNum9, Key::cmdOp0,   Key::cmdOp1,
    Key::cmdOp2,    Key::cmdOp3,  Key::cmdOp4,  Key::cmdOp5,  Key::cmdEq,    Key::cmdPi,
    Key::cmdPosNeg, Key::cmdPt,   Key::Mplus,   Key::Msub,    Key::Mdisplay, Key::Mreplace,
};

void setLockedKeysEnabled(CalculatorView& view, bool enabled) {
    for (Key key : lockedKeys) {
        view.setEnabled(key, enabled);
    }
}

}  // namespace

void Calculator::Form_Load() {
    state_ = CalculatorState{};
    leftTakenByPoint_ = false;
}

void Calculator::cmdAC_Click() {
    // Outside the lock AC is the user's explicit all-clear and empties the memory; the AC that
    // releases a lock keeps it, since the failure that caused the lock was not the user's choice
    // to forget the stored value.
    clearAll(state_.errorState == kTrue ? Memory::keep : Memory::empty);
}

void Calculator::clearAll(Memory memory) {
    view_.setText(Label::lblDisp, "0");
    if (memory == Memory::empty) {
        view_.setText(Label::lblMem, "");
    }
    view_.setText(Label::lblOp, "");
    if (state_.errorState == kTrue) {
        setLockedKeysEnabled(view_, true);
    }
    Form_Load();
    // The error lock clears all just after disabling this key: the focus must then stay on AC.
    if (view_.isEnabled(Key::cmdNum0)) {
        view_.setFocus(Key::cmdNum0);
    }
}

void Calculator::Error_Operation() {
    setLockedKeysEnabled(view_, false);
}

}  // namespace sumora
