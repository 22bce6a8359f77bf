#pragma once

// What a key passes on from the keyboard while it has the focus. Typed characters come as
// character messages, so "*", "+", "^" and "#" arrive whatever the keyboard layout; Enter presses
// the focused key itself, never a default key; Tab and Shift+Tab move along the tab order. The
// keypad's decimal key is told apart from the character it types, which is "," on many layouts.

#include <windows.h>

#include <cstdint>

#include "engine/key.h"

namespace sumora::win32 {

class KeyInput {
public:
    virtual void typed(Key key, std::int16_t code) = 0;
    virtual void keypadDecimalTyped(Key key) = 0;
    virtual void pressed(Key key) = 0;
    virtual void tabbed(Key from, bool backwards) = 0;
    virtual void focused(Key key) = 0;
    virtual void copyRequested() = 0;
    virtual void pasteRequested() = 0;

protected:
    ~KeyInput() = default;
};

// Takes a key's keyboard messages for a KeyInput, in the key's own window procedure and user data:
// no window property is looked up per message, as the common controls' subclassing would.
class KeyListener {
public:
    // This listener must outlive `control`.
    void listen(HWND control, Key key, KeyInput& input);

private:
    static LRESULT CALLBACK procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC button_ = nullptr;
    Key key_{};
    KeyInput* input_ = nullptr;
    // The keypad's decimal key is taken at its key-down; the "," or "." it then types is not.
    bool dropDecimalCharacter_ = false;
};

}  // namespace sumora::win32
