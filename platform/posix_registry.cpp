#include "platform/posix_registry.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/posix_process.h"
#include "platform/registry_name.h"

namespace sumora::platform {

namespace {

constexpr std::string_view toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view toolValue = "PATH";

}  // namespace

PosixRegistry::PosixRegistry(std::vector<std::string> toolCandidates)
    : toolCandidates_(std::move(toolCandidates)) {}

long PosixRegistry::open(RegKey root, const std::string& subKey, std::uint32_t access,
                         RegKey& result) {
    if (root != hkeyLocalMachine || foldedRegistryName(subKey) != foldedRegistryName(toolKey)) {
        return errorFileNotFound;
    }
    const auto tool =
        std::find_if(toolCandidates_.begin(), toolCandidates_.end(), isExecutableFile);
    if (tool == toolCandidates_.end()) {
        return errorFileNotFound;
    }
    if ((access & keyWriteRights) != 0) {
        return errorAccessDenied;
    }
    result = nextHandle_++;
    openKeys_[result] = *tool;
    return errorSuccess;
}

long PosixRegistry::query(RegKey key, const std::string& valueName, std::uint32_t& type,
                          unsigned char* data, std::uint32_t& size) const {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end()) {
        return errorInvalidHandle;
    }
    if (foldedRegistryName(valueName) != toolValue) {
        return errorFileNotFound;
    }
    const std::string& path = open->second;
    const std::uint32_t room = size;
    type = regSz;
    size = static_cast<std::uint32_t>(path.size() + 1);  // with its terminating zero
    if (data == nullptr) {
        return errorSuccess;
    }
    if (size > room) {
        return errorMoreData;
    }
    std::copy(path.begin(), path.end(), data);
    data[path.size()] = 0;
    return errorSuccess;
}

long PosixRegistry::close(RegKey key) {
    return openKeys_.erase(key) == 1 ? errorSuccess : errorInvalidHandle;
}

std::vector<std::string> systemInfoToolCandidates() {
    constexpr std::string_view programs[] = {
        "hardinfo2",           "hardinfo", "kinfocenter", "gnome-system-monitor",
        "mate-system-monitor", "lshw-gtk",
    };
    constexpr std::string_view folders[] = {
        "/usr/local/bin/", "/usr/bin/", "/usr/local/sbin/", "/usr/sbin/", "/bin/", "/sbin/",
    };
    std::vector<std::string> candidates;
    for (const auto program : programs) {
        for (const auto folder : folders) {
            candidates.push_back(std::string(folder).append(program));
        }
    }
    return candidates;
}

}  // namespace sumora::platform
