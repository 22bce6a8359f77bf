#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "engine/calculator_view.h"
#include "platform/platform.h"

namespace sumora::win32 {

using KeyHandles = std::array<HWND, keyCount>;
using LabelHandles = std::array<HWND, 3>;

// The engine's view of the Win32 controls. A label's window text is the whole text the engine
// wrote, also when the label draws less of it, so the engine reads back what it wrote.
class ControlView final : public CalculatorView {
public:
    ControlView(const KeyHandles& keys, const LabelHandles& labels, platform::Platform& platform);

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
    HWND key(Key which) const { return keys_[static_cast<std::size_t>(which)]; }
    HWND label(Label which) const { return labels_[static_cast<std::size_t>(which)]; }

    const KeyHandles& keys_;
    const LabelHandles& labels_;
    platform::Platform& platform_;
};

}  // namespace sumora::win32
