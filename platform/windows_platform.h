#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace sumora::platform {

// The window that a message box shown on this thread belongs to, while it handles a message: the
// box is modal to it, also when another program has the foreground. Scopes nest, so a dialog's
// box belongs to the dialog and, once the dialog is gone, the main window's to the main window.
class BoxOwner {
public:
    explicit BoxOwner(HWND window);
    ~BoxOwner();
    BoxOwner(const BoxOwner&) = delete;
    BoxOwner& operator=(const BoxOwner&) = delete;

    static HWND current();

private:
    HWND previous_;
};

// The Win32 calls themselves. Message boxes take their UTF-8 texts through the wide API; the
// registry, files and programs go through the ANSI forms and the system's ANSI code page. Keys and
// handles are the system's own; the predefined roots are accepted in the 32-bit form that
// platform.h gives them.
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
