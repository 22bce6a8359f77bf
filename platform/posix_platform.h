#pragma once

#include <functional>

#include "platform/platform.h"
#include "platform/posix_registry.h"

namespace sumora::platform {

// Shows a modal message box. The POSIX platform takes it from the windowing toolkit, so that this
// layer builds without one.
using MessageBoxFunction =
    std::function<void(std::string_view prompt, MessageStyle style, std::string_view title)>;

// The platform of a POSIX desktop. A link is handed to xdg-open, which is not waited for, so the
// user interface is never held up; when there is no xdg-open on PATH or the desktop names no
// application for the link's scheme, shellOpen gives shellOpenFailedNoAssociation at once.
class PosixPlatform final : public Platform {
public:
    PosixPlatform(MessageBoxFunction showMessage, PosixRegistry registry);

    void messageBox(std::string_view prompt, MessageStyle style, std::string_view title) override;
    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, RegKey& result) override;
    long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) override;
    long regCloseKey(RegKey key) override;
    std::intptr_t shellOpen(const std::string& link) override;
    bool startProgram(const std::string& path) override;
    std::string findFile(const std::string& path) override;

private:
    MessageBoxFunction showMessage_;
    PosixRegistry registry_;
};

}  // namespace sumora::platform
