#include "ui/win32/key_input.h"

namespace sumora::win32 {

namespace {

constexpr WPARAM escapeCode = 27;

// Escape and the printable ASCII characters; Space stays with the button, which presses itself
// on its release. Control characters, Ctrl chords among them, are no typing.
bool isTypedCharacter(WPARAM code) {
    return code == escapeCode || (code > L' ' && code < 0x7F);
}

bool isDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

}  // namespace

void KeyListener::listen(HWND control, Key key, KeyInput& input) {
    key_ = key;
    input_ = &input;
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    button_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT CALLBACK KeyListener::procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& self = *reinterpret_cast<KeyListener*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return self.onMessage(control, message, wParam, lParam);
}

LRESULT KeyListener::onMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR: {
            const bool decimalCharacter =
                dropDecimalCharacter_ && (wParam == L',' || wParam == L'.');
            dropDecimalCharacter_ = false;
            // A dead key and the character after it arrive as two messages, both posted at once:
            // if the first locks the keypad, the second must not reach the disabled key.
            if (decimalCharacter || IsWindowEnabled(control) == FALSE) {
                return 0;
            }
            if (isTypedCharacter(wParam)) {
                input_->typed(key_, static_cast<std::int16_t>(wParam));
                return 0;
            }
            break;
        }
        case WM_KEYDOWN:
            dropDecimalCharacter_ = wParam == VK_DECIMAL;
            if (wParam == VK_DECIMAL) {
                input_->keypadDecimalTyped(key_);
                return 0;
            }
            if (wParam == VK_RETURN) {
                input_->pressed(key_);
                return 0;
            }
            if (wParam == VK_TAB) {
                input_->tabbed(key_, isDown(VK_SHIFT));
                return 0;
            }
            // AltGr is Ctrl and Alt together: a character on some layouts, not a chord.
            if ((wParam == 'C' || wParam == VK_INSERT) && isDown(VK_CONTROL) && !isDown(VK_MENU)) {
                input_->copyRequested();
                return 0;
            }
            // The character that Ctrl+V also makes is a control character, which is no typing.
            if (((wParam == 'V' && isDown(VK_CONTROL)) ||
                 (wParam == VK_INSERT && isDown(VK_SHIFT))) &&
                !isDown(VK_MENU)) {
                input_->pasteRequested();
                return 0;
            }
            break;
        case WM_SETFOCUS:
            input_->focused(key_);
            break;
        case WM_LBUTTONDBLCLK:
            // An owner-drawn button reports a quick second click as a double-click and does not
            // press; every key takes it as the click it is.
            return CallWindowProcW(button_, control, WM_LBUTTONDOWN, wParam, lParam);
        default:
            break;
    }
    return CallWindowProcW(button_, control, message, wParam, lParam);
}

}  // namespace sumora::win32
