#include <cmath>
#include <string>

#include "engine/calculator.h"
#include "engine/number_text.h"

namespace sumora {

namespace {

constexpr std::int16_t squareRootIndex = 5;

constexpr std::string_view rangePrompt =
    "Oop! It seem the value is too large or small, please try again.";
constexpr std::string_view rangeTitle = "Answer value too large or small";
constexpr std::string_view rangeDisplay = "Answer too large or small";
constexpr std::string_view divideByZeroDisplay = "Can't Divide Zero (0)";
constexpr std::string_view invalidRootDisplay = "Invalid Square Root";

BinaryOp binaryOpOf(std::int16_t index) {
    // Any index past divide that reaches an evaluation is power.
    return index >= 0 && index <= 3 ? static_cast<BinaryOp>(index) : BinaryOp::power;
}

}  // namespace

void Calculator::cmdOp_Click(std::int16_t Index) {
    if (Index < 0 || Index > squareRootIndex) {
        return;
    }
    view_.setText(Label::lblOp, view_.caption(cmdOp(Index)));
    state_.pointEntered = kFalse;

    if (Index == squareRootIndex) {
        const Checked<Decimal> shown = parseDecimal(view_.text(Label::lblDisp));
        if (!shown.ok()) {
            rangeError();
        } else if (shown.value.isNegative()) {
            lockWith(invalidRootDisplay);
        } else {
            view_.setText(Label::lblDisp, doubleToText(std::sqrt(shown.value.toDouble())));
        }
        return;
    }

    const auto newOp = static_cast<float>(Index);
    std::int16_t opToApply = Index;
    if (newOp != state_.pendingOp && state_.pendingOp >= 0.0F) {
        opToApply = static_cast<std::int16_t>(state_.pendingOp);
        state_.opIndex = Index;
        state_.pendingOp = newOp;
    } else {
        if (state_.operandTaken != kTrue) {
            // The first operator since the reset takes the shown value as the left operand now,
            // so that an evaluation before any new number ("5 - =") finds no stale operand.
            if (takeLeftOperandFromDisplay() == LeftOperand::rangeError) {
                return;
            }
            state_.pendingOp = newOp;
            state_.opIndex = Index;
            markNewNumber();
            state_.afterEquals = kFalse;
            state_.operandTaken = kTrue;
            return;
        }
        state_.pendingOp = newOp;
        state_.opIndex = Index;
    }
    if (!evaluate(opToApply)) {
        rangeError();
    }
}

bool Calculator::evaluate(std::int16_t op) {
    const Checked<Decimal> right = parseDecimal(view_.text(Label::lblDisp));
    if (!right.ok()) {
        return false;
    }
    const BinaryOp binaryOp = binaryOpOf(op);
    if (binaryOp == BinaryOp::divide && right.value.isZero()) {
        lockWith(divideByZeroDisplay);
        return true;
    }
    const Checked<NumberValue> result = apply(binaryOp, state_.leftValue, right.value);
    if (!result.ok()) {
        return false;
    }
    markNewNumber();
    state_.afterEquals = kFalse;
    state_.resultValue = formatWholeGroupedHalfAwayFromZero(result.value);
    // Every evaluation continues the chain from its own result, never from a stale operand.
    state_.leftValue = state_.resultValue;
    view_.setText(Label::lblDisp, std::get<std::string>(state_.resultValue));
    return true;
}

void Calculator::markNewNumber() {
    state_.newNumber = kTrue;
    leftTakenByPoint_ = false;
}

void Calculator::lockWith(std::string_view message) {
    Error_Operation();
    clearAll(Memory::keep);
    state_.errorState = kTrue;
    view_.setText(Label::lblOp, "E");
    view_.setText(Label::lblDisp, message);
    view_.setFocus(Key::cmdAC);
}

void Calculator::rangeError() {
    view_.showCriticalMessage(rangePrompt, rangeTitle);
    clearAll(Memory::keep);
    view_.setText(Label::lblDisp, rangeDisplay);
}

void Calculator::cmdEq_Click() {
    state_.pointEntered = kFalse;
    if (state_.afterEquals == kFalse) {
        cmdOp_Click(state_.opIndex);
    }
    if (state_.errorState != kTrue) {
        view_.setText(Label::lblOp, view_.caption(Key::cmdEq));
        Form_Load();
        state_.afterEquals = kTrue;
    }
}

}  // namespace sumora
