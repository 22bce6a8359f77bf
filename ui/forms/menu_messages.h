#pragma once

// The fixed message boxes of the File and Help menus' Save, Print and License Agreement commands.
// None of them does anything else.

#include <string_view>

#include "shared/message_style.h"

namespace sumora::ui {

struct MenuMessage {
    std::string_view prompt;
    MessageStyle style;
    std::string_view title;
};

inline constexpr MenuMessage saveMessage{"er... i oso dun know how and what to save leh?!",
                                         MessageStyle::information, "Save? Need ke?"};
inline constexpr MenuMessage printMessage{"wat? U 1 print wat for with this au tak calculator?",
                                          MessageStyle::information, "Print wat?"};
inline constexpr MenuMessage licenseMessage{"is ah Kiat 1 lar!!! Call him mah...",
                                            MessageStyle::information, "License Agreement"};

}  // namespace sumora::ui
