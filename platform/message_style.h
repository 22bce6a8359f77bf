#pragma once

namespace sumora::platform {

// Style values of a modal message box: the buttons and the icon in one number. Every box offers
// only an OK button, and its answer is never read.
enum class MessageStyle : int {
    okOnly = 0,
    critical = 16,
    information = 64,
};

}  // namespace sumora::platform
