// Drives random clicks, typed characters, Enter presses and focus moves through the engine and
// checks after every event what must hold in every state.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "engine/calculator.h"
#include "tests/engine/key_sequence.h"

namespace {

using namespace sumora;
using sumora::testing::FakeCalculatorView;

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz_keys: %s\n", what);
        std::abort();
    }
}

void checkInvariants(const CalculatorState& state, const FakeCalculatorView& view,
                     const FakeCalculatorView& before) {
    for (const std::int16_t flag : {state.pointEntered, state.operandTaken, state.newNumber,
                                    state.afterEquals, state.errorState}) {
        require(flag == kTrue || flag == kFalse, "a flag holds neither True nor False");
    }
    require(state.pendingOp < 0.0F || static_cast<float>(state.opIndex) == state.pendingOp,
            "opIndex differs from the pending operator");
    require((state.pendingOp < 0.0F) == (state.operandTaken == kFalse),
            "pendingOp is negative but an operand was taken, or the reverse");
    // Every key but AC is disabled exactly in the error state, which shows "E".
    const bool locked = state.errorState == kTrue;
    require(!locked || view.text(Label::lblOp) == "E", "error state without its indicator");
    for (int k = 0; k < keyCount; ++k) {
        const auto key = static_cast<Key>(k);
        require(view.isEnabled(key) == (!locked || key == Key::cmdAC), "a key in the wrong state");
    }
    require(view.isEnabled(view.focus()), "the focused key is disabled");
    require(
        view.beeps() == before.beeps() || view.text(Label::lblMem) == before.text(Label::lblMem),
        "a failed M+ or M- changed the memory");
    require(view.messages().size() <= before.messages().size() + 1,
            "more than one message box for a key");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::Session session;
    const FakeCalculatorView& view = session.view;

    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t action = data[i] % 8;
        const std::uint8_t argument = data[i + 1];
        const auto key = static_cast<Key>(argument % keyCount);
        const FakeCalculatorView before = view;
        // Clicks dominate, as they do in use; typing covers every character code.
        if (action < 4) {
            session.click(key);
        } else if (action < 6) {
            session.type(static_cast<std::int16_t>(argument));
        } else if (action == 6) {
            session.click(view.focus());  // Enter
        } else {
            session.tabTo(key);
        }
        checkInvariants(session.calculator.state(), view, before);
    }
    return 0;
}
