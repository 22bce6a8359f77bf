#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/key.h"

namespace sumora {

// What the engine needs of the main window, and nothing more: the texts of the three labels, the
// captions, enabled state and focus of the keys, a modal message box with the critical icon, a
// short audible signal and a word to screen readers.
// Each front end's main window implements it; the tests implement it with a recording fake.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;

    virtual std::string text(Label label) const = 0;
    virtual void setText(Label label, std::string_view text) = 0;
    // Has a screen reader speak the current texts of these labels, in this order, once, without
    // moving the focus: the news of the key just pressed that its own name does not say.
    virtual void announce(std::span<const Label> labels) = 0;

    virtual std::string caption(Key key) const = 0;
    virtual bool isEnabled(Key key) const = 0;
    virtual void setEnabled(Key key, bool enabled) = 0;
    virtual void setFocus(Key key) = 0;

    // Modal: returns when the user has closed the box.
    virtual void showCriticalMessage(std::string_view prompt, std::string_view title) = 0;
    virtual void beep() = 0;
};

}  // namespace sumora
