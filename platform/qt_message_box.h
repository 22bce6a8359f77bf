#pragma once

#include <string_view>

#include "platform/message_style.h"

namespace sumora::platform {

// A modal Qt message box with only an OK button and the icon of `style`, over whichever window is
// active; returns when the user has closed it.
void showQtMessageBox(std::string_view prompt, MessageStyle style, std::string_view title);

}  // namespace sumora::platform
