#include "platform/fake_platform.h"

#include <algorithm>

#include "platform/registry_name.h"

namespace sumora::platform {

namespace {

std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

FakePlatform::Key& FakePlatform::keyAt(RegKey root, std::string_view subKey) {
    return keys_[{root, foldedRegistryName(subKey)}];
}

void FakePlatform::setValue(RegKey root, std::string_view subKey, std::string_view valueName,
                            std::uint32_t type, std::vector<unsigned char> data) {
    keyAt(root, subKey).values[foldedRegistryName(valueName)] = Value{type, std::move(data)};
}

void FakePlatform::setString(RegKey root, std::string_view subKey, std::string_view valueName,
                             std::string_view text) {
    std::vector<unsigned char> data(text.begin(), text.end());
    data.push_back(0);
    setValue(root, subKey, valueName, regSz, std::move(data));
}

void FakePlatform::failOpen(RegKey root, std::string_view subKey, long code) {
    keyAt(root, subKey).openFailure = code;
}

void FakePlatform::messageBox(std::string_view prompt, MessageStyle style, std::string_view title) {
    messageBoxes.push_back({std::string(prompt), style, std::string(title)});
}

long FakePlatform::regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                                std::uint32_t access, RegKey& result) {
    keyOpens.push_back({root, subKey, options, access});
    const KeyPath path{root, foldedRegistryName(subKey)};
    const auto key = keys_.find(path);
    if (key == keys_.end()) {
        return errorFileNotFound;
    }
    if (key->second.openFailure) {
        return *key->second.openFailure;
    }
    if (root == hkeyLocalMachine && (access & keyWriteRights) != 0) {
        return errorAccessDenied;
    }
    result = nextHandle_++;
    handles_[result] = path;
    return errorSuccess;
}

long FakePlatform::regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                                   unsigned char* data, std::uint32_t& size) {
    valueQueries.push_back(valueName);
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return errorInvalidHandle;
    }
    const auto& values = keys_.at(handle->second).values;
    const auto value = values.find(foldedRegistryName(valueName));
    if (value == values.end()) {
        return errorFileNotFound;
    }
    const auto& bytes = value->second.data;
    const std::uint32_t room = size;
    type = value->second.type;
    size = static_cast<std::uint32_t>(bytes.size());
    if (data == nullptr) {
        return errorSuccess;
    }
    if (bytes.size() > room) {
        return errorMoreData;
    }
    std::copy(bytes.begin(), bytes.end(), data);
    return errorSuccess;
}

long FakePlatform::regCloseKey(RegKey key) {
    keyCloses.push_back(key);
    return handles_.erase(key) == 1 ? errorSuccess : errorInvalidHandle;
}

std::intptr_t FakePlatform::shellOpen(const std::string& link) {
    shellOpens.push_back(link);
    if (shellOpenRaises) {
        throw *shellOpenRaises;
    }
    return shellOpenResult;
}

bool FakePlatform::startProgram(const std::string& path) {
    programStarts.push_back(path);
    return startSucceeds && !path.empty();
}

std::string FakePlatform::findFile(const std::string& path) {
    fileLookups.push_back(path);
    return existingFiles.contains(path) ? baseName(path) : std::string();
}

}  // namespace sumora::platform
