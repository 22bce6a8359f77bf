#pragma once

#include "platform/platform.h"

namespace sumora::ui {

// The main window's needs of the platform until the desktop platform layer is linked in: message
// boxes through Qt; the registry, links and programs report that nothing is there.
class MessageBoxPlatform final : public platform::Platform {
public:
    void messageBox(std::string_view prompt, MessageStyle style, std::string_view title) override;
    long regOpenKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, platform::RegKey& result) override;
    long regQueryValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) override;
    long regCloseKey(platform::RegKey key) override;
    std::intptr_t shellOpen(const std::string& link) override;
    bool startProgram(const std::string& path) override;
    std::string findFile(const std::string& path) override;
};

}  // namespace sumora::ui
