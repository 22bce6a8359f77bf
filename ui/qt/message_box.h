#pragma once

#include <string_view>

#include "platform/message_style.h"

namespace sumora::qt {

// A modal Qt message box with only an OK button and the icon of `style`, over whichever window is
// active; returns when the user has closed it. The POSIX platform shows its boxes with it.
void showMessageBox(std::string_view prompt, platform::MessageStyle style, std::string_view title);

}  // namespace sumora::qt
