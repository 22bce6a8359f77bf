#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sumora::qt {

// What the process knows of its display before Qt tries to open one.
struct DisplayEnvironment {
    std::string_view display;         // DISPLAY
    std::string_view waylandDisplay;  // WAYLAND_DISPLAY
    std::string_view qpaPlatform;     // QT_QPA_PLATFORM
};

// The line to print when no window can be shown, or nothing when Qt may try. Qt itself aborts
// when its windowing plugin finds no display, which would leave a core dump instead of a message.
std::optional<std::string> missingDisplay(const DisplayEnvironment& environment);

// The line for a display that was named but could not be opened.
std::string unreachableDisplay();

}  // namespace sumora::qt
