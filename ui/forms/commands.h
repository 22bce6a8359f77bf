#pragma once

// What a menu entry or a dialog control does when chosen. The tables name each entry's and each
// clickable control's command; each front end dispatches on it with a switch over every value, so
// that a command without a handler does not compile cleanly.

#include <cstdint>

namespace sumora::forms {

enum class MenuCommand : std::uint8_t { save, print, exit, license, bugs, about };

enum class DialogCommand : std::uint8_t {
    ok,  // the default button: Enter, Escape and the window's close command press it too
    systemInfo,
    emailLink,
};

}  // namespace sumora::forms
