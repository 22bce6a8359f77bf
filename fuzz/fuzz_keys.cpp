// Drives random clicks, typed characters, Enter presses and focus moves through the engine and
// checks after every event what must hold in every state.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/calculator.h"
#include "tests/engine/fake_calculator_view.h"
#include "tests/engine/key_driver.h"

namespace {

using namespace sumora;
using sumora::testing::FakeCalculatorView;

void require(bool holds, const char* what) {
    if (!holds) {
        std::fputs(what, stderr);
        std::fputc('\n', stderr);
        std::abort();
    }
}

bool lockedKeysHaveState(const FakeCalculatorView& view, bool enabled) {
    for (int k = 0; k < keyCount; ++k) {
        if (static_cast<Key>(k) != Key::cmdAC && view.isEnabled(static_cast<Key>(k)) != enabled) {
            return false;
        }
    }
    return true;
}

void checkInvariants(const CalculatorState& state, const FakeCalculatorView& view,
                     const std::string& memoryBefore, int beepsBefore, std::size_t messagesBefore) {
    for (const std::int16_t flag : {state.pointEntered, state.operandTaken, state.newNumber,
                                    state.afterEquals, state.errorState}) {
        require(flag == kTrue || flag == kFalse, "a flag holds neither True nor False");
    }
    if (state.pendingOp >= 0.0F) {
        require(static_cast<float>(state.opIndex) == state.pendingOp,
                "opIndex differs from the pending operator");
    }
    require((state.pendingOp < 0.0F) == (state.operandTaken == kFalse),
            "pendingOp is negative but an operand was taken, or the reverse");
    const bool locked = lockedKeysHaveState(view, false) && view.text(Label::lblOp) == "E";
    require((state.errorState == kTrue) == locked, "error state and locked keys disagree");
    if (state.errorState == kFalse) {
        require(lockedKeysHaveState(view, true), "a key is disabled outside the error state");
    }
    require(view.isEnabled(Key::cmdAC), "AC is disabled");
    require(view.isEnabled(view.focus()), "the focused key is disabled");
    if (view.beeps() != beepsBefore) {
        require(view.text(Label::lblMem) == memoryBefore, "a failed M+ or M- changed the memory");
    }
    require(view.messages().size() <= messagesBefore + 1, "more than one message box for a key");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeCalculatorView view;
    Calculator calculator(view);
    testing::KeyDriver driver(calculator, view);
    calculator.Form_Load();

    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t action = data[i] % 8;
        const std::uint8_t argument = data[i + 1];
        const auto key = static_cast<Key>(argument % keyCount);
        const std::string memoryBefore = view.text(Label::lblMem);
        const int beepsBefore = view.beeps();
        const std::size_t messagesBefore = view.messages().size();
        // Clicks dominate, as they do in use; typing covers every character code.
        if (action < 4) {
            driver.click(key);
        } else if (action < 6) {
            driver.type(static_cast<std::int16_t>(argument));
        } else if (action == 6) {
            driver.pressFocused();
        } else {
            driver.focus(key);
        }
        checkInvariants(calculator.state(), view, memoryBefore, beepsBefore, messagesBefore);
    }
    return 0;
}
