#pragma once

#include <cstdint>
#include <utility>

#include "engine/calculator.h"
#include "tests/engine/fake_calculator_view.h"

namespace sumora::testing {

// Plays the part of the window: delivers clicks, typed characters, Enter or Space and Tab moves to
// the engine the way the window's controls would, including the focus that a click gives and the
// fact that a disabled key takes neither clicks nor the focus.
class KeyDriver {
public:
    KeyDriver(Calculator& calculator, FakeCalculatorView& view)
        : calculator_(calculator), view_(view) {}

    void click(Key key) {
        if (!view_.isEnabled(key)) {
            return;
        }
        view_.setFocus(key);
        runClickHandler(key);
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
    void pressFocused() {
        if (view_.isEnabled(view_.focus())) {
            runClickHandler(view_.focus());
        }
    }

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

    void runClickHandler(Key key) {
        if (key <= Key::cmdNum9) {
            calculator_.cmdNum_Click(indexIn(key, Key::cmdNum0));
            return;
        }
        if (key <= Key::cmdOp5) {
            calculator_.cmdOp_Click(indexIn(key, Key::cmdOp0));
            return;
        }
        using Handler = void (Calculator::*)();
        constexpr std::pair<Key, Handler> handlers[] = {
            {Key::cmdEq, &Calculator::cmdEq_Click},
            {Key::cmdPt, &Calculator::cmdPt_Click},
            {Key::cmdPosNeg, &Calculator::cmdPosNeg_Click},
            {Key::cmdPi, &Calculator::cmdPi_Click},
            {Key::cmdAC, &Calculator::cmdAC_Click},
            {Key::Mplus, &Calculator::Mplus_Click},
            {Key::Msub, &Calculator::Msub_Click},
            {Key::Mdisplay, &Calculator::Mdisplay_Click},
            {Key::Mreplace, &Calculator::Mreplace_Click},
        };
        for (const auto& [handlerKey, handler] : handlers) {
            if (handlerKey == key) {
                (calculator_.*handler)();
            }
        }
    }

    Calculator& calculator_;
    FakeCalculatorView& view_;
};

}  // namespace sumora::testing
