#pragma once

#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "tests/engine/fake_calculator_view.h"
#include "tests/engine/key_driver.h"

namespace sumora::testing {

// The control's name of a key ("cmdNum0", "cmdOp5", "Mplus", ...), for readable checks.
std::string_view keyName(Key key);

// A window that has just opened, driven by key sequences written as in a key table, tokens
// separated by spaces:
//   12  0.5  .          digit and point keys, clicked one character after another
//   + - x / ^ Sqr =     operator and equals keys, clicked
//   AC +- pi            clear-all, sign and pi keys, clicked
//   M+ M- Mdis Mre      memory keys, clicked
//   '7+5'               characters typed into whichever key has the focus
//   Esc <13>            Escape, or any character code, typed
//   Enter Space         the focused key pressed from the keyboard
//   @cmdEq              the focus moved to a key by name, as Tab would
// An unknown token throws std::invalid_argument.
class Session {
public:
    Session() { calculator.Form_Load(); }

    Session& run(std::string_view keys);

    std::string display() const { return view.text(Label::lblDisp); }
    std::string indicator() const { return view.text(Label::lblOp); }
    std::string memory() const { return view.text(Label::lblMem); }
    std::string_view focus() const { return keyName(view.focus()); }

    FakeCalculatorView view;
    Calculator calculator{view};
    KeyDriver driver{calculator, view};
};

}  // namespace sumora::testing
