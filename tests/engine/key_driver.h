#pragma once

#include <cstdint>

#include "engine/calculator.h"
#include "tests/engine/fake_calculator_view.h"

namespace sumora::testing {

// Plays the part of the window: delivers clicks, typed characters, Enter and Tab moves the way the
// window's controls would, including the focus a click gives; a disabled key takes neither.
class KeyDriver {
public:
    KeyDriver(Calculator& calculator, FakeCalculatorView& view)
        : calculator_(calculator), view_(view) {}

    void click(Key key) {
        if (view_.isEnabled(key)) {
            view_.setFocus(key);
            press(key);
        }
    }

    // A typed character reaches the key-press handler of the focused key, if it has one.
    void type(std::int16_t code) {
        const Key focus = view_.focus();
        if (focus == Key::cmdEq) {
            calculator_.cmdEq_KeyPress(code);
        } else if (focus == Key::cmdPt) {
            calculator_.cmdPt_KeyPress(code);
        } else if (focus <= Key::cmdNum9) {
            calculator_.cmdNum_KeyPress(indexIn(focus, Key::cmdNum0), code);
        } else if (focus <= Key::cmdOp5) {
            calculator_.cmdOp_KeyPress(indexIn(focus, Key::cmdOp0), code);
        }
    }

    // Enter or Space: the focused push button presses itself.
    void pressFocused() { click(view_.focus()); }

    // Tab to a key.
    void focus(Key key) {
        if (view_.isEnabled(key)) {
            view_.setFocus(key);
        }
    }

private:
    static std::int16_t indexIn(Key key, Key first) {
        return static_cast<std::int16_t>(static_cast<int>(key) - static_cast<int>(first));
    }

    void press(Key key) {
        using Handler = void (Calculator::*)();
        // The keys from the equals key on, in their order.
        constexpr Handler handlers[] = {
            &Calculator::cmdEq_Click, &Calculator::cmdPt_Click,    &Calculator::cmdPosNeg_Click,
            &Calculator::cmdPi_Click, &Calculator::cmdAC_Click,    &Calculator::Mplus_Click,
            &Calculator::Msub_Click,  &Calculator::Mdisplay_Click, &Calculator::Mreplace_Click,
        };
        if (key <= Key::cmdNum9) {
            calculator_.cmdNum_Click(indexIn(key, Key::cmdNum0));
        } else if (key <= Key::cmdOp5) {
            calculator_.cmdOp_Click(indexIn(key, Key::cmdOp0));
        } else {
            (calculator_.*handlers[indexIn(key, Key::cmdEq)])();
        }
    }

    Calculator& calculator_;
    FakeCalculatorView& view_;
};

}  // namespace sumora::testing
