#pragma once

// What the About dialog does beyond showing itself, free of any windowing toolkit so that it can
// be tested against the fake platform and against a real registry: finding and starting the
// system-information tool, reading a registry value, and opening the author's mail link.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/platform.h"

namespace sumora::forms {

inline constexpr std::string_view applicationTitle = "Sumora";
inline constexpr std::string_view authorAddress = "sumora@example.com";

// The e-mail label's caption, tag (the link template) and tooltip.
std::string emailCaption();
std::string emailTag();
std::string emailToolTip();

// Screen-reader names, by object name, for the labels too short for a dialog summary, which skips
// a label of fewer than three words: the version line and the address.
std::array<std::pair<std::string_view, std::string>, 2> aboutSpokenNames();

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal`: REG_SZ as its
// text, REG_DWORD as the signed decimal text of the number; a value of any other type counts as
// found and leaves `KeyVal` as it was. False, with `KeyVal` empty, when the key cannot be opened
// for reading or the value cannot be read into 1024 bytes. A value of size 0 raises a
// PlatformError. The key is closed on every path.
bool GetKeyValue(platform::Platform& platform, platform::RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Starts the system-information tool found through the registry, or tells the user that it is
// unavailable.
void StartSysInfo(platform::Platform& platform);

// A message box to show, with texts of its own.
struct MessageBoxText {
    std::string prompt;
    platform::MessageStyle style;
    std::string title;
};

// Opens the link made from the e-mail label's tag and caption with the shell; the box that tells
// the user of a failure, which the caller shows. Touches nothing but the platform's shell open,
// so it may run on a thread of its own.
std::optional<MessageBoxText> openEmailLink(platform::Platform& platform, std::string_view tag,
                                            std::string_view caption);

// Opens the link as above and shows the failure box at once. Making the label red afterwards is
// the dialog's part.
void followEmailLink(platform::Platform& platform, std::string_view tag, std::string_view caption);

}  // namespace sumora::forms
