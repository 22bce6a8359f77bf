#include <string>

#include "engine/calculator.h"
#include "engine/number_text.h"

namespace sumora {

namespace {

using DecimalOperation = Checked<Decimal> (*)(const Decimal&, const Decimal&);

// memory <operation> display, written back in plain notation. The memory changes only when both
// texts read as numbers and the result fits; otherwise it keeps its text and the view beeps.
void combineIntoMemory(CalculatorView& view, const std::string& memory,
                       DecimalOperation operation) {
    const Checked<Decimal> stored = parseDecimal(memory);
    const Checked<Decimal> shown = parseDecimal(view.text(Label::lblDisp));
    if (!stored.ok() || !shown.ok()) {
        view.beep();
        return;
    }
    const Checked<Decimal> result = operation(stored.value, shown.value);
    if (!result.ok()) {
        view.beep();
        return;
    }
    view.setText(Label::lblMem, plainText(result.value));
}

}  // namespace

void Calculator::Mplus_Click() {
    const std::string memory = view_.text(Label::lblMem);
    if (memory.empty()) {
        view_.setText(Label::lblMem, view_.text(Label::lblDisp));
        return;
    }
    combineIntoMemory(view_, memory, &add);
}

void Calculator::Msub_Click() {
    const std::string memory = view_.text(Label::lblMem);
    if (!memory.empty()) {
        combineIntoMemory(view_, memory, &subtract);
        return;
    }
    const std::string display = view_.text(Label::lblDisp);
    const Checked<Decimal> shown = parseDecimal(display);
    if (!shown.ok()) {
        view_.beep();
        return;
    }
    // Zero in any form ("0", "0.", "-0.00") leaves the memory empty: stripping a character from
    // it would store a text such as "." that no later key can read.
    if (shown.value.isZero()) {
        return;
    }
    // A negative display starts with its "-", so dropping the first character negates it.
    view_.setText(Label::lblMem, shown.value.isNegative() ? display.substr(1) : "-" + display);
}

void Calculator::Mdisplay_Click() {
    view_.setText(Label::lblDisp, view_.text(Label::lblMem));
}

void Calculator::Mreplace_Click() {
    view_.setText(Label::lblMem, view_.text(Label::lblDisp));
}

}  // namespace sumora
