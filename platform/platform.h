#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/message_style.h"

namespace sumora::platform {

// A registry key handle, or one of the predefined roots.
using RegKey = std::uintptr_t;
inline constexpr RegKey hkeyLocalMachine = 0x80000002;

// Access masks for opening a key.
inline constexpr std::uint32_t keyQueryValue = 0x0001;
inline constexpr std::uint32_t keyRead = 0x20019;

// Registry value types.
inline constexpr std::uint32_t regSz = 1;
inline constexpr std::uint32_t regExpandSz = 2;
inline constexpr std::uint32_t regDword = 4;

// Registry result codes (0 is success).
inline constexpr long errorSuccess = 0;
inline constexpr long errorFileNotFound = 2;
inline constexpr long errorAccessDenied = 5;
inline constexpr long errorMoreData = 234;

// What Sumora needs of the operating system. One implementation calls the Win32 API, one serves a
// POSIX desktop, and a fake scripts every answer for the tests.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal, OK button only; returns when the user has closed it.
    virtual void messageBox(std::string_view prompt, MessageStyle style,
                            std::string_view title) = 0;

    // The registry, read-only, with the Win32 calling convention: 0 means success; the query
    // takes the buffer size in `size` and gives back the data's size in bytes.
    virtual long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                              std::uint32_t access, RegKey& result) = 0;
    virtual long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size) = 0;
    virtual long regCloseKey(RegKey key) = 0;

    // Opens a link with the desktop's handler for it; a result above 32 means success.
    virtual std::intptr_t shellOpen(const std::string& link) = 0;

    // Starts the program at exactly `path` in a normal window and does not wait for it.
    // False when it could not be started.
    virtual bool startProgram(const std::string& path) = 0;

    // The name of the ordinary (not hidden, not system) file at `path`, or "" when there is none.
    virtual std::string findFile(const std::string& path) = 0;
};

}  // namespace sumora::platform
