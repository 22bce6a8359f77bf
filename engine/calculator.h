#pragma once

// The calculation engine of the main window, free of any windowing toolkit.
//
// Parts: the state and the reset (calculator.cpp), number entry (calculator_entry.cpp), operators
// and evaluation with the error lock and the range handling (calculator_operators.cpp), the memory
// register (calculator_memory.cpp), the keyboard routing (keyboard_routing.cpp), the paste of a
// number (calculator_paste.cpp, pasted_number.cpp) and what a key announces (announcement.cpp).
//
// The path of a key: the window turns a click into the key's *_Click handler and a typed character
// into a *_KeyPress handler; the routing moves the focus to the key that stands for the character
// and calls that key's click handler, so a typed key and a click are the same to the engine. A
// handler reads the display through the CalculatorView, changes the nine state variables, and
// writes the three labels, the keys' enabled state, the focus and any message box back to the
// view; then the view announces the labels whose news the key's name did not say. Every failure
// of a number service ends inside the handler; nothing reaches the window.

#include <array>
#include <cstdint>
#include <string>

#include "engine/calculator_view.h"
#include "engine/number_value.h"
#include "engine/pasted_number.h"

namespace sumora {

// The engine's 16-bit booleans.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

struct CalculatorState {
    NumberValue leftValue = std::int16_t{0};    // left operand of the next evaluation
    NumberValue resultValue = std::int16_t{0};  // last result, as its formatted display text
    std::int16_t opIndex = 0;                   // binary operator pressed last
    float pendingOp = -1.0F;                    // pending binary operator; negative: none
    std::int16_t pointEntered = kFalse;         // the point key was pressed for this number
    std::int16_t operandTaken = kFalse;         // a binary operator since the reset
    std::int16_t newNumber = kFalse;            // the next digit starts a new number
    std::int16_t afterEquals = kFalse;          // the equals key has just completed
    std::int16_t errorState = kFalse;           // keys locked until AC

    friend bool operator==(const CalculatorState&, const CalculatorState&) = default;
};

class Calculator {
public:
    explicit Calculator(CalculatorView& view) : view_(view) {}

    const CalculatorState& state() const { return state_; }

    // The one path from the window's keys to the handlers, shared by every front end, test and
    // fuzz target. A click runs the key's *_Click handler, then has the view announce what it
    // changed; a character typed while `focused` has the focus runs that key's *_KeyPress
    // handler, which clicks the key the character stands for; keys without one ignore it.
    void click(Key key);
    void keyPress(Key focused, std::int16_t KeyAscii);
    // Enters the number in the clipboard's `text` by clicking its digit, point and sign keys.
    // A text that is no number, or whose keys would not show exactly that number (appended to
    // digits being entered, cut by the length limit, under the error lock), is refused whole with
    // a beep.
    void paste(std::string_view text);
    // The keypad's decimal key types "," on many layouts (German, French, Nordic...); it is the
    // point key whatever it types. The main keyboard's "," stays no key.
    void keypadDecimalPress(Key focused);

    void Form_Load();
    void cmdAC_Click();

    void cmdNum_Click(std::int16_t Index);
    void cmdPt_Click();
    void cmdPosNeg_Click();
    void cmdPi_Click();

    void cmdOp_Click(std::int16_t Index);
    void cmdEq_Click();

    void Mplus_Click();
    void Msub_Click();
    void Mdisplay_Click();
    void Mreplace_Click();

    void cmdEq_KeyPress(std::int16_t KeyAscii);
    void cmdNum_KeyPress(std::int16_t Index, std::int16_t KeyAscii);
    void cmdOp_KeyPress(std::int16_t Index, std::int16_t KeyAscii);
    void cmdPt_KeyPress(std::int16_t KeyAscii);

private:
    enum class Memory : bool { empty, keep };
    enum class LeftOperand : bool { taken, rangeError };

    void clearAll(Memory memory);
    void Error_Operation();
    // The error lock: keys disabled, "E" shown, the message on the display, the focus on AC.
    void lockWith(std::string_view message);
    // Message box, clear-all that keeps the memory, "Answer too large or small" on the display.
    void rangeError();
    // False when a number service failed; the caller then runs the range handling.
    bool evaluate(std::int16_t op);
    // A display that is not a number gives 0; one beyond the DECIMAL range runs the range
    // handling.
    LeftOperand takeLeftOperandFromDisplay();
    void markNewNumber();
    // Clicks the keys in a trial copy of the engine and its view.
    bool entersExactly(const PastedNumber& number) const;

    // The labels' texts in the order of Label.
    using LabelTexts = std::array<std::string, 3>;
    LabelTexts labelTexts() const;
    // The click handler of the key, without the announcement.
    void press(Key key);
    // Announces the labels that the key changed in a way its own name does not say.
    void announceChanges(Key key, const LabelTexts& before);

    void keyboard_Press(std::int16_t KeyAscii);
    void cal_Click(std::int16_t key);

    CalculatorView& view_;
    CalculatorState state_;
    // The point key that starts a new number has already taken the left operand, so the digit
    // that follows must not take the display ("0" by then) again.
    bool leftTakenByPoint_ = false;
};

}  // namespace sumora
