#include "platform/windows_platform.h"

#include <windows.h>

#include <shellapi.h>

#include <bit>
#include <string>
#include <utility>

#include "platform/utf16.h"

namespace sumora::platform {

namespace {

// The predefined roots are negative 32-bit values that a 64-bit HKEY carries sign-extended
// (HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 there); platform.h holds them as 0x80000002.
HKEY toHkey(RegKey key) {
    if (isPredefinedRoot(key)) {
        const auto root32 = static_cast<LONG>(static_cast<DWORD>(key));
        return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(root32));
    }
    return reinterpret_cast<HKEY>(key);
}

thread_local HWND boxOwner = nullptr;

}  // namespace

BoxOwner::BoxOwner(HWND window) : previous_(std::exchange(boxOwner, window)) {}

BoxOwner::~BoxOwner() {
    boxOwner = previous_;
}

HWND BoxOwner::current() {
    return boxOwner;
}

void WindowsPlatform::messageBox(std::string_view prompt, MessageStyle style,
                                 std::string_view title) {
    MessageBoxW(BoxOwner::current(), widen(prompt).c_str(), widen(title).c_str(),
                static_cast<UINT>(style));
}

long WindowsPlatform::regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                                   std::uint32_t access, RegKey& result) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(toHkey(root), subKey.c_str(), options, access, &opened);
    if (status == ERROR_SUCCESS) {
        result = reinterpret_cast<RegKey>(opened);
    }
    return status;
}

long WindowsPlatform::regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                                      unsigned char* data, std::uint32_t& size) {
    DWORD valueType = type;
    DWORD dataSize = size;
    const LSTATUS status =
        RegQueryValueExA(toHkey(key), valueName.c_str(), nullptr, &valueType, data, &dataSize);
    type = valueType;
    size = dataSize;
    return status;
}

long WindowsPlatform::regCloseKey(RegKey key) {
    return RegCloseKey(toHkey(key));
}

std::intptr_t WindowsPlatform::shellOpen(const std::string& link) {
    // Bound on first use, from the system folder only: the shell library is large and only the
    // mail link needs it, so the window does not wait for it at start.
    using ShellExecuteFunction = decltype(&ShellExecuteA);
    static const FARPROC found = [] {
        const HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return shell == nullptr ? nullptr : GetProcAddress(shell, "ShellExecuteA");
    }();
    if (found == nullptr) {
        return 0;  // what ShellExecuteA itself answers when the system lacks the resources
    }
    const auto shellExecute = std::bit_cast<ShellExecuteFunction>(found);
    const HINSTANCE result =
        shellExecute(BoxOwner::current(), "Open", link.c_str(), "", "", SW_SHOW);
    return reinterpret_cast<std::intptr_t>(result);
}

bool WindowsPlatform::startProgram(const std::string& path) {
    // The exact path names the program, so no search and no splitting at blanks can pick
    // another one; the command line only gives the program its own quoted name as argv[0].
    std::string commandLine = '"' + path + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::string WindowsPlatform::findFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD notOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & notOrdinary) != 0) {
        return "";
    }
    const auto nameStart = path.find_last_of("\\/:");
    return nameStart == std::string::npos ? path : path.substr(nameStart + 1);
}

}  // namespace sumora::platform
