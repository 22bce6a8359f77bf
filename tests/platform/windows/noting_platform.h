#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/windows_platform.h"
#include "tests/platform/fake_platform.h"

namespace sumora::platform::test {

// The real Win32 calls, with the keys still open counted; message boxes are only noted, since
// nobody would close them.
class NotingPlatform final : public Platform {
public:
    using MessageBoxCall = FakePlatform::MessageBoxCall;

    std::vector<MessageBoxCall> messageBoxes;
    int openKeys = 0;

    void messageBox(std::string_view prompt, MessageStyle style, std::string_view title) override {
        messageBoxes.push_back({std::string(prompt), style, std::string(title)});
    }
    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, RegKey& result) override {
        const long status = real_.regOpenKeyEx(root, subKey, options, access, result);
        openKeys += status == errorSuccess ? 1 : 0;
        return status;
    }
    long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) override {
        return real_.regQueryValueEx(key, valueName, type, data, size);
    }
    long regCloseKey(RegKey key) override {
        const long status = real_.regCloseKey(key);
        openKeys -= status == errorSuccess ? 1 : 0;
        return status;
    }
    std::intptr_t shellOpen(const std::string& link) override { return real_.shellOpen(link); }
    bool startProgram(const std::string& path) override { return real_.startProgram(path); }
    std::string findFile(const std::string& path) override { return real_.findFile(path); }

private:
    WindowsPlatform real_;
};

}  // namespace sumora::platform::test
