#include <string>

#include "engine/calculator.h"
#include "engine/number_text.h"

namespace sumora {

namespace {

// Shown by the pi key: deliberately four decimals, 3.1421.
constexpr double piKeyValue = 3.1421;

}  // namespace

Calculator::LeftOperand Calculator::takeLeftOperandFromDisplay() {
    const Checked<Decimal> shown = parseDecimal(view_.text(Label::lblDisp));
    if (shown.status == DecimalStatus::overflow) {
        rangeError();
        return LeftOperand::rangeError;
    }
    // A message on the display is no number to carry on: the new number starts from 0.
    state_.leftValue = shown.ok() ? shown.value : Decimal{};
    return LeftOperand::taken;
}

void Calculator::cmdNum_Click(std::int16_t Index) {
    if (Index < 0 || Index > 9) {
        return;
    }
    if (view_.text(Label::lblOp) == "=") {
        view_.setText(Label::lblOp, "");
    }
    if (state_.afterEquals == kTrue || state_.newNumber == kTrue) {
        if (!leftTakenByPoint_ && takeLeftOperandFromDisplay() == LeftOperand::rangeError) {
            return;
        }
        leftTakenByPoint_ = false;
        view_.setText(Label::lblDisp, state_.pointEntered == kTrue ? "0." : "0");
        state_.newNumber = kFalse;
        state_.afterEquals = kFalse;
    }
    std::string display = view_.text(Label::lblDisp);
    if (display.size() >= entryLengthLimit) {
        return;
    }
    const std::string digit = view_.caption(cmdNum(Index));
    // Text tests, not numeric ones: a display that starts with "-" always appends.
    if (!display.starts_with('0') || display.starts_with("0.")) {
        display += digit;
    } else {
        display = digit;
    }
    view_.setText(Label::lblDisp, display);
}

void Calculator::cmdPt_Click() {
    const bool startsNewNumber = state_.afterEquals == kTrue || state_.newNumber == kTrue;
    if (startsNewNumber && !leftTakenByPoint_) {
        if (takeLeftOperandFromDisplay() == LeftOperand::rangeError) {
            return;
        }
        leftTakenByPoint_ = true;
    }
    if (state_.pointEntered == kFalse) {
        const std::string display = view_.text(Label::lblDisp);
        // A recalled value, a root or pi may already carry a point; a second one would make the
        // display unreadable.
        if (display.find('.') == std::string::npos) {
            view_.setText(Label::lblDisp, display + ".");
        }
    }
    state_.pointEntered = kTrue;
    if (startsNewNumber) {
        view_.setText(Label::lblDisp, "0");
    }
}

void Calculator::cmdPosNeg_Click() {
    const std::string display = view_.text(Label::lblDisp);
    if (display.empty() || display == "0") {
        return;
    }
    view_.setText(Label::lblDisp, display.starts_with('-') ? display.substr(1) : "-" + display);
}

void Calculator::cmdPi_Click() {
    view_.setText(Label::lblDisp, doubleToText(piKeyValue));
}

}  // namespace sumora
