#include <windows.h>

#include "platform/windows_platform.h"
#include "ui/win32/main_window.h"

// Command-line arguments change nothing.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
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
