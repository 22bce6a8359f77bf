#pragma once

#include <windows.h>

namespace sumora::platform::test {

// True inside Wine. Tests that rewrite machine-wide settings run only there, in the throwaway
// prefix that the test command creates, and never on a user's Windows.
inline bool underWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace sumora::platform::test
