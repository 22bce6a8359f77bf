#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/fake_platform.h"
#include "ui/forms/main_window_controls.h"
#include "ui/win32/main_window.h"
#include "ui/win32/wide_text.h"

namespace sumora::win32 {

inline std::string textOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
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
        SetForegroundWindow(window->handle());
        pump();
    }

    // True when the message loop was told to end.
    static bool pump() {
        bool quit = false;
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            if (message.message == WM_QUIT) {
                quit = true;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return quit;
    }

    static Key keyNamed(std::string_view name) {
        for (const ui::KeyControl& control : ui::keyControls) {
            if (control.objectName == name) {
                return control.key;
            }
        }
        ADD_FAILURE() << "no key " << name;
        return Key::cmdNum0;
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

    // Holds the modifier keys down, as GetKeyState sees them, while `down` is true.
    static void holdKey(int virtualKey, bool down) {
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[virtualKey] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    static void strike(int virtualKey) {
        PostMessageW(GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
        PostMessageW(GetFocus(), WM_KEYUP, static_cast<WPARAM>(virtualKey), 0xC0000001);
        pump();
    }

    // Steps, separated by blanks: a single character is typed on the focused key; Enter, Space,
    // Escape, Tab and ShiftTab are those keys; click:NAME and focus:NAME act on the named key.
    void play(std::string_view steps) {
        while (!steps.empty()) {
            const std::size_t end = std::min(steps.find(' '), steps.size());
            const std::string_view step = steps.substr(0, end);
            steps.remove_prefix(std::min(end + 1, steps.size()));
            SCOPED_TRACE(std::string(step));
            if (step.starts_with("click:")) {
                SendMessageW(window->key(keyNamed(step.substr(6))), BM_CLICK, 0, 0);
            } else if (step.starts_with("focus:")) {
                SetFocus(window->key(keyNamed(step.substr(6))));
            } else if (step.size() == 1) {
                PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(step.front()), 1);
            } else if (step == "ShiftTab") {
                holdKey(VK_SHIFT, true);
                strike(VK_TAB);
                holdKey(VK_SHIFT, false);
            } else {
                strike(step == "Enter"    ? VK_RETURN
                       : step == "Space"  ? VK_SPACE
                       : step == "Escape" ? VK_ESCAPE
                                          : VK_TAB);
            }
            pump();
        }
    }

    platform::FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

}  // namespace sumora::win32
