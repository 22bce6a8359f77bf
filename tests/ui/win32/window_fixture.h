#pragma once

#include <algorithm>
#include <memory>
#include <string_view>

#include "tests/platform/fake_platform.h"
#include "tests/ui/win32/pump.h"
#include "ui/forms/main_window_controls.h"
#include "ui/win32/main_window.h"

namespace sumora::win32 {

// Sets a key's state as GetKeyState reads it, for modifiers held with another key.
inline void holdKey(int virtualKey, bool down) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[virtualKey] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// The real window, shown, with a platform that answers message boxes at once. Messages are
// posted as the keyboard posts them and the queue is pumped until it is empty.
class WindowTest : public testing::Test {
protected:
    void SetUp() override { open(); }

    // A fresh window, so that every case starts from the state a user meets at start-up.
    void open() {
        window.reset();
        window = std::make_unique<MainWindow>(platform);
        window->showCentred(SW_SHOW);
        pump();
    }

    HWND key(std::string_view name) const {
        const auto* found = std::ranges::find(ui::keyControls, name, &ui::KeyControl::objectName);
        return found != ui::keyControls.end() ? window->key(found->key) : nullptr;
    }

    std::string focusName() const {
        for (const ui::KeyControl& control : ui::keyControls) {
            if (window->key(control.key) == GetFocus()) {
                return std::string(control.objectName);
            }
        }
        return "";
    }

    std::string text(Label label) const { return textOf(window->label(label)); }

    static void strike(int virtualKey) {
        PostMessageW(GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
        PostMessageW(GetFocus(), WM_KEYUP, static_cast<WPARAM>(virtualKey), 0xC0000001);
        pump();
    }

    // Steps, separated by blanks: a single character is typed on the focused key; Enter, Space,
    // Escape, Tab and ShiftTab are those keys; click:NAME and focus:NAME act on the named key.
    void play(std::string_view steps) {
        while (!steps.empty()) {
            const std::string_view step = steps.substr(0, steps.find(' '));
            steps.remove_prefix(std::min(step.size() + 1, steps.size()));
            SCOPED_TRACE(std::string(step));
            holdKey(VK_SHIFT, step == "ShiftTab");
            if (step.starts_with("click:")) {
                SendMessageW(key(step.substr(6)), BM_CLICK, 0, 0);
            } else if (step.starts_with("focus:")) {
                SetFocus(key(step.substr(6)));
            } else if (step.size() == 1) {
                PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(step.front()), 1);
            } else {
                strike(step == "Enter"    ? VK_RETURN
                       : step == "Space"  ? VK_SPACE
                       : step == "Escape" ? VK_ESCAPE
                                          : VK_TAB);
            }
            holdKey(VK_SHIFT, false);
            pump();
        }
    }

    platform::FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

}  // namespace sumora::win32
