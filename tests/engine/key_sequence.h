#pragma once

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "tests/engine/fake_calculator_view.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::testing {

// The key a token names: its caption, with "+-" and "pi" for the sign and pi keys.
inline Key keyOf(std::string_view token) {
    const std::string_view caption = token == "+-" ? "+ -" : token == "pi" ? "π" : token;
    for (const forms::KeyControl& control : forms::keyControls) {
        if (control.caption == caption) {
            return control.key;
        }
    }
    throw std::invalid_argument("unknown key token: " + std::string(token));
}

// A window that has just opened, driven by tokens separated by spaces: "12.5" clicks one key per
// character, "+" "Sqr" "AC" "+-" "pi" "M+" "Mre" ... click a key, '7+5' types characters into
// the focused key, Esc types Escape, Enter presses the focused key, "@=" moves the focus to a key.
// It delivers each event the way the window's controls would, including the focus a click
// gives; a disabled key takes neither.
class Session {
public:
    Session() { calculator.Form_Load(); }

    void click(Key key) {
        if (view.isEnabled(key)) {
            view.setFocus(key);
            calculator.click(key);
        }
    }
    // A typed character reaches the key-press handler of the focused key, if it has one.
    void type(std::int16_t code) { calculator.keyPress(view.focus(), code); }
    void tabTo(Key key) {
        if (view.isEnabled(key)) {
            view.setFocus(key);
        }
    }

    Session& run(std::string_view keys) {
        while (!keys.empty()) {
            const std::size_t end = std::min(keys.find(' '), keys.size());
            play(keys.substr(0, end));
            keys.remove_prefix(std::min(end + 1, keys.size()));
        }
        return *this;
    }

    std::string display() const { return view.text(Label::lblDisp); }
    std::string indicator() const { return view.text(Label::lblOp); }
    std::string memory() const { return view.text(Label::lblMem); }
    // The focused key's caption, which names it uniquely.
    std::string focus() const { return view.caption(view.focus()); }

    FakeCalculatorView view;
    Calculator calculator{view};

private:
    void play(std::string_view token) {
        if (token.starts_with('\'')) {
            for (char c : token.substr(1, token.size() - 2)) {
                type(static_cast<std::int16_t>(static_cast<unsigned char>(c)));
            }
        } else if (token == "Esc") {
            type(27);
        } else if (token == "Enter") {
            click(view.focus());  // the focused push button presses itself
        } else if (token.starts_with('@')) {
            tabTo(keyOf(token.substr(1)));
        } else if (token.find_first_not_of("0123456789.") == std::string_view::npos) {
            for (std::size_t i = 0; i < token.size(); ++i) {
                click(keyOf(token.substr(i, 1)));
            }
        } else {
            click(keyOf(token));
        }
    }
};

}  // namespace sumora::testing
