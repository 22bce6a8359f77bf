#include "ui/win32/key_input.h"

#include <commctrl.h>

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

LRESULT CALLBACK keyProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                         DWORD_PTR data) {
    auto& input = *reinterpret_cast<KeyInput*>(data);
    const auto key = static_cast<Key>(id);
    switch (message) {
        case WM_CHAR:
            if (isTypedCharacter(wParam)) {
                input.typed(key, static_cast<std::int16_t>(wParam));
                return 0;
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                input.pressed(key);
                return 0;
            }
            if (wParam == VK_TAB) {
                input.tabbed(key, isDown(VK_SHIFT));
                return 0;
            }
            // AltGr is Ctrl and Alt together: a character on some layouts, not a chord.
            if ((wParam == 'C' || wParam == VK_INSERT) && isDown(VK_CONTROL) && !isDown(VK_MENU)) {
                input.copyRequested();
                return 0;
            }
            break;
        case WM_SETFOCUS:
            input.focused(key);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, keyProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void listenToKey(HWND control, Key key, KeyInput& input) {
    SetWindowSubclass(control, keyProc, static_cast<UINT_PTR>(key),
                      reinterpret_cast<DWORD_PTR>(&input));
}

}  // namespace sumora::win32
