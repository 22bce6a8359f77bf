#pragma once

#include "platform/platform.h"

namespace sumora::platform {

// The Win32 calls themselves, in their ANSI forms: every text passes through the system's ANSI
// code page. Keys and handles are the system's own; the predefined roots are accepted in the
// 32-bit form that platform.h gives them.
class WindowsPlatform final : public Platform {
public:
    void messageBox(std::string_view prompt, MessageStyle style, std::string_view title) override;

    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, RegKey& result) override;
    long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) override;
    long regCloseKey(RegKey key) override;

    std::intptr_t shellOpen(const std::string& link) override;
    bool startProgram(const std::string& path) override;
    std::string findFile(const std::string& path) override;
};

}  // namespace sumora::platform
