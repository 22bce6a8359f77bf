#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator_view.h"
#include "platform/message_style.h"
#include "ui/forms/main_window_controls.h"

namespace sumora::testing {

struct ShownMessage {
    std::string prompt;
    platform::MessageStyle style;
    std::string title;

    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// The main window as the engine sees it, with the captions of the real keys, recording every
// message box, beep and announcement. A focus given to a disabled key is kept, so that checks can
// catch it.
class FakeCalculatorView : public CalculatorView {
public:
    FakeCalculatorView() { enabled_.fill(true); }

    std::string text(Label label) const override { return texts_[index(label)]; }
    void setText(Label label, std::string_view text) override { texts_[index(label)] = text; }
    // One entry per announcement: the labels' texts joined by "|".
    void announce(std::span<const Label> labels) override {
        std::string said;
        for (Label label : labels) {
            said += (said.empty() ? "" : "|") + text(label);
        }
        announced_.push_back(said);
    }

    std::string caption(Key key) const override {
        return std::string(forms::keyControl(key).caption);
    }
    bool isEnabled(Key key) const override { return enabled_[index(key)]; }
    void setEnabled(Key key, bool enabled) override { enabled_[index(key)] = enabled; }
    void setFocus(Key key) override { focus_ = key; }

    void showCriticalMessage(std::string_view prompt, std::string_view title) override {
        messages_.push_back(
            {std::string(prompt), platform::MessageStyle::critical, std::string(title)});
    }
    void beep() override { ++beeps_; }

    Key focus() const { return focus_; }
    const std::vector<ShownMessage>& messages() const { return messages_; }
    int beeps() const { return beeps_; }
    std::vector<std::string>& announced() { return announced_; }

private:
    static constexpr std::size_t index(Label label) { return static_cast<std::size_t>(label); }
    static constexpr std::size_t index(Key key) { return static_cast<std::size_t>(key); }

    // The labels' texts as the window opens: display "0", no operator, empty memory.
    std::array<std::string, 3> texts_{"0", "", ""};
    std::array<bool, keyCount> enabled_{};
    // The "0" key is first in the tab order, so it has the focus when the window opens.
    Key focus_ = Key::cmdNum0;
    std::vector<ShownMessage> messages_;
    int beeps_ = 0;
    std::vector<std::string> announced_;
};

}  // namespace sumora::testing
