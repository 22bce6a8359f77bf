#include "ui/qt/main_window/display_check.h"

namespace sumora::qt {

namespace {

constexpr std::string_view headlessHint =
    "; to run without a desktop, start it under a virtual X server: xvfb-run build/release/sumora";

bool namesX11(std::string_view platform) {
    return platform.starts_with("xcb");
}

}  // namespace

std::optional<std::string> missingDisplay(const DisplayEnvironment& environment) {
#if defined(_WIN32) || defined(__APPLE__)
    static_cast<void>(environment);
    return std::nullopt;
#else
    if (!environment.qpaPlatform.empty() && !namesX11(environment.qpaPlatform)) {
        return std::nullopt;  // offscreen, wayland, vnc...: Qt's own choice, as asked for
    }
    if (!environment.display.empty()) {
        return std::nullopt;
    }
    if (environment.qpaPlatform.empty() && !environment.waylandDisplay.empty()) {
        return std::nullopt;
    }
    return "sumora: cannot show its window: no display (DISPLAY is not set)" +
           std::string(headlessHint);
#endif
}

std::string unreachableDisplay() {
    return "sumora: cannot show its window: the display could not be opened" +
           std::string(headlessHint);
}

}  // namespace sumora::qt
