#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace sumora::platform {

// A platform for the tests: the registry and the files hold what the test puts in them, every
// other call answers as scripted, and every call that the tests look at is recorded. As in Win32
// for an ordinary user, a key of the registry opens for reading only, and a query into a buffer
// that is too small fails with errorMoreData and reports the size needed.
class FakePlatform : public Platform {
public:
    struct MessageBoxCall {
        std::string prompt;
        MessageStyle style;
        std::string title;
        friend bool operator==(const MessageBoxCall&, const MessageBoxCall&) = default;
    };

    // A key exists once a value has been put under it.
    void setValue(RegKey root, std::string_view subKey, std::string_view valueName,
                  std::uint32_t type, std::string_view data) {
        values_[{root, std::string(subKey)}][std::string(valueName)] = {type, std::string(data)};
    }

    std::intptr_t shellOpenResult = shellOpenSucceeded;
    std::optional<PlatformError> shellOpenRaises;
    // False makes every start fail, also of a program that exists.
    bool startSucceeds = true;
    std::set<std::string> existingFiles;

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<std::string> shellOpens;
    std::vector<std::string> programStarts;

    std::size_t openKeyCount() const { return handles_.size(); }

    void messageBox(std::string_view prompt, MessageStyle style, std::string_view title) override {
        messageBoxes.push_back({std::string(prompt), style, std::string(title)});
    }
    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t /*options*/,
                      std::uint32_t access, RegKey& result) override {
        if (!values_.contains({root, subKey})) {
            return errorFileNotFound;
        }
        if ((access & keyWriteRights) != 0) {
            return errorAccessDenied;
        }
        result = nextHandle_++;
        handles_[result] = {root, subKey};
        return errorSuccess;
    }
    long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) override {
        const auto& values = values_.at(handles_.at(key));
        const auto value = values.find(valueName);
        if (value == values.end()) {
            return errorFileNotFound;
        }
        const auto& [valueType, bytes] = value->second;
        const std::uint32_t room = size;
        type = valueType;
        size = static_cast<std::uint32_t>(bytes.size());
        if (size > room) {
            return errorMoreData;
        }
        bytes.copy(reinterpret_cast<char*>(data), size);
        return errorSuccess;
    }
    long regCloseKey(RegKey key) override {
        return handles_.erase(key) == 1 ? errorSuccess : errorInvalidHandle;
    }
    std::intptr_t shellOpen(const std::string& link) override {
        shellOpens.push_back(link);
        if (shellOpenRaises) {
            throw *shellOpenRaises;
        }
        return shellOpenResult;
    }
    bool startProgram(const std::string& path) override {
        programStarts.push_back(path);
        return startSucceeds && existingFiles.contains(path);
    }
    std::string findFile(const std::string& path) override {
        return existingFiles.contains(path) ? path.substr(path.find_last_of('\\') + 1) : "";
    }

private:
    using Value = std::pair<std::uint32_t, std::string>;  // type and bytes
    using KeyPath = std::pair<RegKey, std::string>;

    std::map<KeyPath, std::map<std::string, Value>> values_;
    std::map<RegKey, KeyPath> handles_;
    RegKey nextHandle_ = 0x1000;
};

}  // namespace sumora::platform
