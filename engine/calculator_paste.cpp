#include <array>
#include <string>

#include "engine/calculator.h"

namespace sumora {

namespace {

// The main window as a trial run of the keys sees it: the window's texts, captions and enabled
// keys, with every change kept to the trial. No message box is shown: the range handling, the
// only one an entry key can reach, leaves a message on the display, which is no number.
class TrialView final : public CalculatorView {
public:
    explicit TrialView(const CalculatorView& window)
        : window_(window),
          texts_{window.text(Label::lblDisp), window.text(Label::lblOp),
                 window.text(Label::lblMem)} {}

    std::string text(Label label) const override { return texts_[index(label)]; }
    void setText(Label label, std::string_view text) override { texts_[index(label)] = text; }
    void announce(std::span<const Label> /*labels*/) override {}
    std::string caption(Key key) const override { return window_.caption(key); }
    bool isEnabled(Key key) const override { return window_.isEnabled(key); }
    void setEnabled(Key /*key*/, bool /*enabled*/) override {}
    void setFocus(Key /*key*/) override {}
    void showCriticalMessage(std::string_view /*prompt*/, std::string_view /*title*/) override {}
    void beep() override {}

private:
    static std::size_t index(Label label) { return static_cast<std::size_t>(label); }

    const CalculatorView& window_;
    std::array<std::string, 3> texts_;
};

}  // namespace

bool Calculator::entersExactly(const PastedNumber& number) const {
    TrialView trialView(view_);
    Calculator trial(trialView);
    trial.state_ = state_;
    trial.leftTakenByPoint_ = leftTakenByPoint_;
    for (const Key key : number.keys) {
        trial.click(key);
    }
    const Checked<Decimal> shown = parseDecimal(trialView.text(Label::lblDisp));
    return shown.ok() && shown.value == number.value;
}

void Calculator::paste(std::string_view text) {
    const std::optional<PastedNumber> number = readPastedNumber(text);
    if (!number || state_.errorState == kTrue || !entersExactly(*number)) {
        view_.beep();
        return;
    }
    for (const Key key : number->keys) {
        click(key);
    }
}

}  // namespace sumora
