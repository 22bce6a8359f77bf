#pragma once

// What Sumora needs of the operating system, behind one interface: a modal message box, read
// access to the registry, the shell's open of a link, the start of a program and a file lookup.
//
// Implementations: windows_platform.cpp calls the Win32 API; posix_platform.cpp serves a POSIX
// desktop with a read-only stand-in registry, xdg-open and posix_spawn; the tests script a fake
// (tests/platform/fake_platform.h). Each program's start-up makes the one for its system; the POSIX
// one takes its message box from the front end. Nothing here depends on a windowing toolkit.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/message_style.h"

namespace sumora::platform {

// A registry key handle, or one of the predefined roots.
using RegKey = std::uintptr_t;
inline constexpr RegKey hkeyLocalMachine = 0x80000002;

// The predefined roots, such as hkeyLocalMachine; an opened key's handle is never among them.
constexpr bool isPredefinedRoot(RegKey key) {
    return key >= 0x80000000 && key <= 0x800000FF;
}

// Access masks for opening a key.
inline constexpr std::uint32_t keyRead = 0x20019;
// The rights that change a key (KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_CREATE_LINK, DELETE,
// WRITE_DAC, WRITE_OWNER); ordinary users hold none of them on HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t keyWriteRights =
    0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;

// Registry value types.
inline constexpr std::uint32_t regSz = 1;
inline constexpr std::uint32_t regExpandSz = 2;
inline constexpr std::uint32_t regDword = 4;

// Registry result codes (0 is success).
inline constexpr long errorSuccess = 0;
inline constexpr long errorFileNotFound = 2;
inline constexpr long errorAccessDenied = 5;
inline constexpr long errorInvalidHandle = 6;
inline constexpr long errorBadPathname = 161;
inline constexpr long errorMoreData = 234;

// Results of shellOpen: above 32 is success; 31 means that nothing could open the link.
inline constexpr std::intptr_t shellOpenFailedNoAssociation = 31;
inline constexpr std::intptr_t shellOpenSucceeded = 42;

// An error raised by a call itself rather than reported through its result, such as a system
// library or entry point that cannot be loaded; it carries the system's description and number.
class PlatformError : public std::runtime_error {
public:
    PlatformError(const std::string& description, long number)
        : std::runtime_error(description), number_(number) {}

    long number() const { return number_; }

private:
    long number_;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal, OK button only; returns when the user has closed it.
    virtual void messageBox(std::string_view prompt, MessageStyle style,
                            std::string_view title) = 0;

    // The registry, read-only, with the Win32 calling convention: 0 means success; the query
    // takes the buffer size in `size` and gives back the data's size in bytes, also when the
    // buffer was too small (errorMoreData). Key and value names compare without regard to case.
    virtual long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                              std::uint32_t access, RegKey& result) = 0;
    virtual long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size) = 0;
    virtual long regCloseKey(RegKey key) = 0;

    // Opens a link with the desktop's handler for it; a result above 32 means success.
    virtual std::intptr_t shellOpen(const std::string& link) = 0;

    // Starts the program at exactly `path` (never split at blanks, never through a shell) in a
    // normal window and does not wait for it. False when it could not be started.
    virtual bool startProgram(const std::string& path) = 0;

    // The name (without its folder) of the ordinary, not hidden, not system file at `path`, or ""
    // when there is none.
    virtual std::string findFile(const std::string& path) = 0;
};

}  // namespace sumora::platform
