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
            calculator_.click(key);
        }
    }

    // A typed character reaches the key-press handler of the focused key, if it has one.
    void type(std::int16_t code) { calculator_.keyPress(view_.focus(), code); }

    // Enter or Space: the focused push button presses itself.
    void pressFocused() { click(view_.focus()); }

    // Tab to a key.
    void focus(Key key) {
        if (view_.isEnabled(key)) {
            view_.setFocus(key);
        }
    }

private:
    Calculator& calculator_;
    FakeCalculatorView& view_;
};

}  // namespace sumora::testing
