#include "ui/forms/about_actions.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>

#include "ui/forms/version_caption.h"

namespace sumora::forms {

namespace {

using platform::Platform;
using platform::PlatformError;
using platform::RegKey;

constexpr std::string_view unavailablePrompt = "System Information Is Unavailable At This Time";
constexpr std::string_view webAccessTitle = "Web Access";
constexpr std::size_t valueBufferSize = 1024;

// Closes an opened key however the reading of it ends.
class OpenKey {
public:
    OpenKey(Platform& platform, RegKey key) : platform_(platform), key_(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() { platform_.regCloseKey(key_); }

    RegKey handle() const { return key_; }

private:
    Platform& platform_;
    RegKey key_;
};

std::string decimalText(long long number) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    return std::string(digits.data(), end);
}

// The first four data bytes, least significant first, as a signed 32-bit number; past a shorter
// value the buffer still holds its zeros.
std::string dwordText(const std::array<unsigned char, valueBufferSize>& buffer) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) {
        bits = (bits << 8) | buffer[static_cast<std::size_t>(i)];
    }
    std::int32_t number = 0;
    std::memcpy(&number, &bits, sizeof number);
    return decimalText(number);
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

std::string emailCaption() {
    return std::string(authorAddress) + " ";
}
std::string emailTag() {
    return "mailto:" + std::string(authorAddress);
}
std::string emailToolTip() {
    return "email me at " + std::string(authorAddress);
}
std::array<std::pair<std::string_view, std::string>, 2> aboutSpokenNames() {
    return {{{"Label1", std::string(versionSpoken)}, {"lblemail", emailToolTip()}}};
}

bool GetKeyValue(Platform& platform, RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegKey handle = 0;
    // Read access only: ordinary users may not write under HKEY_LOCAL_MACHINE.
    if (platform.regOpenKeyEx(KeyRoot, KeyName, 0, platform::keyRead, handle) !=
        platform::errorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey key(platform, handle);

    std::array<unsigned char, valueBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    // A size beyond the buffer, even with success reported, is a value too long to have been read.
    if (platform.regQueryValueEx(key.handle(), SubKeyRef, type, buffer.data(), size) !=
            platform::errorSuccess ||
        size > buffer.size()) {
        KeyVal.clear();
        return false;
    }
    if (size == 0) {
        // Nothing to trim: the error leaves at once, and the key is still closed on the way out.
        throw PlatformError("Invalid procedure call or argument", 5);
    }
    if (type == platform::regSz) {
        // The terminating zero, where the data has one, is not part of the text.
        const std::size_t length = buffer[size - 1] == 0 ? size - 1 : size;
        KeyVal.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
    } else if (type == platform::regDword) {
        KeyVal = dwordText(buffer);
    }
    return true;
}

namespace {

// A path that names its drive ("C:\\", or a "\\\\server" share) or starts at a POSIX root; any
// other would be resolved against the current folder.
bool isAbsolute(std::string_view path) {
    const char letter = path.empty() ? '\0' : static_cast<char>(path[0] | 0x20);
    const bool driveLetter = path.size() >= 3 && letter >= 'a' && letter <= 'z' && path[1] == ':' &&
                             (path[2] == '\\' || path[2] == '/');
    return driveLetter || path.starts_with("\\\\") || path.starts_with('/');
}

// The tool's path as the registry gives it, else the tool file in the folder that the registry
// names, if it is there. A relative path counts as none.
std::optional<std::string> sysInfoToolPath(Platform& platform) {
    std::string toolPath;
    if (GetKeyValue(platform, platform::hkeyLocalMachine,
                    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", toolPath)) {
        return isAbsolute(toolPath) ? std::optional(toolPath) : std::nullopt;
    }
    if (!GetKeyValue(platform, platform::hkeyLocalMachine,
                     "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", toolPath) ||
        !isAbsolute(toolPath)) {
        return std::nullopt;
    }
    std::string toolFile = toolPath + "\\MSINFO32.EXE";
    if (platform.findFile(toolFile).empty()) {
        return std::nullopt;
    }
    return toolFile;
}

}  // namespace

void StartSysInfo(Platform& platform) {
    try {
        // The exact path: a folder with blanks in its name must not start some other program.
        const auto tool = sysInfoToolPath(platform);
        if (tool && platform.startProgram(*tool)) {
            return;
        }
    } catch (const PlatformError&) {
        // Raised by a lookup; told to the user like every other failure below.
    }
    platform.messageBox(unavailablePrompt, platform::MessageStyle::okOnly, applicationTitle);
}

std::optional<MessageBoxText> openEmailLink(Platform& platform, std::string_view tag,
                                            std::string_view caption) {
    std::string link(tag);
    replaceAll(link, "%APP%", caption);
    replaceAll(link, " ", "%20");

    std::intptr_t result = 0;
    try {
        result = platform.shellOpen(link);
    } catch (const PlatformError& error) {
        return MessageBoxText{std::string(error.what()) + " (" + decimalText(error.number()) + ")",
                              platform::MessageStyle::critical, std::string(webAccessTitle)};
    }
    if (result <= 32) {
        return MessageBoxText{"Unable to run web document (" + decimalText(result) + ")",
                              platform::MessageStyle::critical, std::string(webAccessTitle)};
    }
    return std::nullopt;
}

void followEmailLink(Platform& platform, std::string_view tag, std::string_view caption) {
    if (const auto failure = openEmailLink(platform, tag, caption)) {
        platform.messageBox(failure->prompt, failure->style, failure->title);
    }
}

}  // namespace sumora::forms
