#include <windows.h>

#include <objbase.h>

#include "platform/windows_platform.h"
#include "ui/win32/main_window.h"

namespace {

// COM for the window's thread, started before the window and ended after it: the names that
// screen readers read need it.
struct ComApartment {
    ComApartment() = default;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(started)) {
            CoUninitialize();
        }
    }

    HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
};

}  // namespace

// Command-line arguments change nothing.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // A DLL loaded by name while running comes from the system folder, never from the program's
    // own folder or the current one, where a portable copy's neighbours could be planted.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const ComApartment com;
    sumora::platform::WindowsPlatform platform;
    sumora::win32::MainWindow window(platform);
    window.show(showCommand);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
