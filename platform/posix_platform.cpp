#include "platform/posix_platform.h"

#include <sys/stat.h>

#include <utility>

#include "platform/posix_link_handler.h"
#include "platform/posix_process.h"

namespace sumora::platform {

PosixPlatform::PosixPlatform(MessageBoxFunction showMessage, PosixRegistry registry)
    : showMessage_(std::move(showMessage)), registry_(std::move(registry)) {}

void PosixPlatform::messageBox(std::string_view prompt, MessageStyle style,
                               std::string_view title) {
    showMessage_(prompt, style, title);
}

long PosixPlatform::regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t /*options*/,
                                 std::uint32_t access, RegKey& result) {
    return registry_.open(root, subKey, access, result);
}

long PosixPlatform::regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                                    unsigned char* data, std::uint32_t& size) {
    return registry_.query(key, valueName, type, data, size);
}

long PosixPlatform::regCloseKey(RegKey key) {
    return registry_.close(key);
}

std::intptr_t PosixPlatform::shellOpen(const std::string& link) {
    const auto colon = link.find(':');
    const auto opener = findOnPath("xdg-open");
    if (!opener || colon == std::string::npos || !hasSchemeHandler(link.substr(0, colon))) {
        return shellOpenFailedNoAssociation;
    }
    return startDetached({*opener, link}) ? shellOpenSucceeded : shellOpenFailedNoAssociation;
}

bool PosixPlatform::startProgram(const std::string& path) {
    return startDetached({path});
}

std::string PosixPlatform::findFile(const std::string& path) {
    const auto slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    struct stat info = {};
    if (name.empty() || name.front() == '.' || ::stat(path.c_str(), &info) != 0 ||
        !S_ISREG(info.st_mode)) {
        return {};
    }
    return name;
}

}  // namespace sumora::platform
