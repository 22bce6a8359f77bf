#pragma once

#include <array>

#include "engine/calculator_view.h"
#include "platform/platform.h"

namespace sumora::qt {

class Announcer;
class FieldLabel;
class KeyButton;

using KeyButtons = std::array<KeyButton*, keyCount>;
using Labels = std::array<FieldLabel*, 3>;

// The engine's view over the window's widgets. Texts cross as UTF-8; message boxes go through the
// platform so that tests can answer them without a modal loop. The widgets are created after the
// view, so it holds references to where the window keeps them.
class WidgetView final : public CalculatorView {
public:
    WidgetView(const KeyButtons& keys, const Labels& labels, Announcer* const& announcer,
               platform::Platform& platform);

    std::string text(Label label) const override;
    void setText(Label label, std::string_view text) override;
    void announce(std::span<const Label> labels) override;

    std::string caption(Key key) const override;
    bool isEnabled(Key key) const override;
    void setEnabled(Key key, bool enabled) override;
    void setFocus(Key key) override;

    void showCriticalMessage(std::string_view prompt, std::string_view title) override;
    void beep() override;

private:
    KeyButton& key(Key key) const;
    FieldLabel& label(Label label) const;

    const KeyButtons& keys_;
    const Labels& labels_;
    Announcer* const& announcer_;
    platform::Platform& platform_;
};

}  // namespace sumora::qt
