#include "platform/fake_platform.h"

#include <algorithm>

#include "platform/registry_name.h"

namespace sumora::platform {

namespace {

// The predefined roots, such as hkeyLocalMachine; an ordinary handle is never in this range.
bool isRoot(RegKey key) {
    constexpr RegKey firstRoot = 0x80000000;
    constexpr RegKey lastRoot = 0x800000FF;
    return key >= firstRoot && key <= lastRoot;
}

// A sub-key in the form in which it is compared; a trailing "\" names the same key.
std::string foldedKeyName(std::string_view subKey) {
    if (subKey.ends_with('\\')) {
        subKey.remove_suffix(1);
    }
    return foldedRegistryName(subKey);
}

// A file path in the form in which the file system compares it, or "" when it names no file:
// "/" counts as "\", a run of separators as one (but for the two that begin a network path),
// case does not matter and trailing dots and blanks are dropped. Wildcards and a trailing
// separator name no file.
std::string foldedFilePath(std::string_view path) {
    if (path.find_first_of("*?") != std::string_view::npos) {
        return "";
    }
    std::string folded;
    for (const char c : path) {
        const char separated = c == '/' ? '\\' : c;
        if (separated == '\\' && folded.size() > 1 && folded.back() == '\\') {
            continue;
        }
        folded.push_back(separated);
    }
    while (!folded.empty() && (folded.back() == '.' || folded.back() == ' ')) {
        folded.pop_back();
    }
    if (folded.ends_with('\\')) {
        return "";
    }
    return foldedRegistryName(folded);
}

// The last part of the path as given, as the real lookup reports it.
std::string fileName(const std::string& path) {
    const auto nameStart = path.find_last_of("\\/:");
    return nameStart == std::string::npos ? path : path.substr(nameStart + 1);
}

}  // namespace

FakePlatform::Key& FakePlatform::keyAt(RegKey root, std::string_view subKey) {
    return keys_[{root, foldedKeyName(subKey)}];
}

std::optional<FakePlatform::KeyPath> FakePlatform::keyPathOf(RegKey key) const {
    if (const auto handle = handles_.find(key); handle != handles_.end()) {
        return handle->second;
    }
    if (isRoot(key)) {
        return KeyPath{key, ""};
    }
    return std::nullopt;
}

bool FakePlatform::isExistingFile(const std::string& path) const {
    const std::string folded = foldedFilePath(path);
    return !folded.empty() && std::ranges::any_of(existingFiles, [&](const std::string& file) {
        return foldedFilePath(file) == folded;
    });
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
    if (subKey.starts_with('\\')) {
        return errorBadPathname;
    }
    const KeyPath path{root, foldedKeyName(subKey)};
    const auto key = keys_.find(path);
    if (key == keys_.end()) {
        // A root exists with nothing put under it.
        if (!path.second.empty() || !isRoot(root)) {
            return errorFileNotFound;
        }
    } else if (key->second.openFailure) {
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
    const auto path = keyPathOf(key);
    if (!path) {
        return errorInvalidHandle;
    }
    const auto found = keys_.find(*path);
    if (found == keys_.end()) {
        return errorFileNotFound;
    }
    const auto& values = found->second.values;
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
    if (isRoot(key)) {
        return errorSuccess;  // a root is never opened, so closing it changes nothing
    }
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
    return startSucceeds && isExistingFile(path) && foldedFilePath(path).ends_with(".EXE");
}

std::string FakePlatform::findFile(const std::string& path) {
    fileLookups.push_back(path);
    return isExistingFile(path) ? fileName(path) : std::string();
}

}  // namespace sumora::platform
