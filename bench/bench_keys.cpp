// Key events per second through the engine, with a view that only keeps the label texts.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "ui/forms/main_window_controls.h"

namespace {

using sumora::Calculator;
using sumora::Key;
using sumora::Label;

class NullView : public sumora::CalculatorView {
public:
    std::string text(Label label) const override { return texts_[static_cast<int>(label)]; }
    void setText(Label label, std::string_view text) override {
        texts_[static_cast<int>(label)] = text;
    }
    std::string caption(Key key) const override {
        return std::string(sumora::forms::keyControl(key).caption);
    }
    bool isEnabled(Key) const override { return true; }
    void setEnabled(Key, bool) override {}
    void setFocus(Key) override {}
    void showCriticalMessage(std::string_view, std::string_view) override {}
    void beep() override {}
    void announce(std::span<const Label>) override {}

private:
    std::array<std::string, 3> texts_{"0", "", ""};
};

// One round of typical use: entry, a chain with every binary operator, a root, memory keys and
// typed keys; it ends with AC, so every round starts from the same state.
void playRound(Calculator& c) {
    using sumora::Key;
    constexpr Key clicks[] = {
        Key::cmdNum1,   Key::cmdNum2, Key::cmdPt,   Key::cmdNum5,  Key::cmdOp0,   Key::cmdNum3,
        Key::cmdNum4,   Key::cmdOp2,  Key::cmdNum7, Key::cmdOp1,   Key::cmdNum9,  Key::cmdOp3,
        Key::cmdNum4,   Key::cmdOp4,  Key::cmdNum2, Key::cmdEq,    Key::Mplus,    Key::cmdOp5,
        Key::cmdPosNeg, Key::Msub,    Key::cmdPi,   Key::Mreplace, Key::Mdisplay,
    };
    for (const Key key : clicks) {
        c.click(key);
    }
    c.keyPress(Key::cmdNum0, '8');
    c.keyPress(Key::cmdNum8, '+');
    c.keyPress(Key::cmdOp0, '6');
    c.click(Key::cmdEq);
    c.keyPress(Key::cmdNum6, 27);
}
constexpr int eventsPerRound = 28;

void BM_KeyEvents(benchmark::State& state) {
    NullView view;
    Calculator calculator(view);
    calculator.Form_Load();
    for (auto _ : state) {
        playRound(calculator);
        benchmark::DoNotOptimize(calculator.state());
    }
    state.SetItemsProcessed(state.iterations() * eventsPerRound);
}
BENCHMARK(BM_KeyEvents);

}  // namespace
