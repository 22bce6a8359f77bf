#pragma once

// The fixed message boxes of the File and Help menus' Save, Print and License Agreement commands.
// None of them does anything else.

#include <string_view>

#include "platform/message_style.h"

namespace sumora::forms {

struct MenuMessage {
    std::string_view prompt;
    platform::MessageStyle style;
    std::string_view title;
};

inline constexpr MenuMessage saveMessage{"er... i oso dun know how and what to save leh?!",
                                         platform::MessageStyle::information, "Save? Need ke?"};
inline constexpr MenuMessage printMessage{"wat? U 1 print wat for with this au tak calculator?",
                                          platform::MessageStyle::information, "Print wat?"};
inline constexpr MenuMessage licenseMessage{"is ah Kiat 1 lar!!! Call him mah...",
                                            platform::MessageStyle::information,
                                            "License Agreement"};

}  // namespace sumora::forms
