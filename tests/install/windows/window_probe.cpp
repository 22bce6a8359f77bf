// Starts a program the way a shortcut set to "Maximized" does, waits for its main window and checks
// what a user first sees: the title, a window that is not maximised but at its client size at 96
// DPI and inside the work area, and a clean exit (status 0) once the window is asked to close.
// Usage: window_probe PROGRAM TITLE WIDTH HEIGHT   (exit status 0 when every check holds)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "window_probe: %s\n", what);
    }
    return holds;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 5) {
        std::fputs("usage: window_probe PROGRAM TITLE WIDTH HEIGHT\n", stderr);
        return 2;
    }
    bool passed = true;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION process{};
    if (!check(CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process),
               "cannot start the program")) {
        return 1;
    }
    // The program's own visible window with that title, within 30 s.
    HWND window = nullptr;
    DWORD owner = 0;
    for (int tries = 0; tries < 1500 && owner != process.dwProcessId &&
                        WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT;
         ++tries) {
        window = FindWindowW(nullptr, argv[2]);
        GetWindowThreadProcessId(window, &owner);
        owner = IsWindowVisible(window) ? owner : 0;
    }
    // A maximise is undone by a message of its own: the window settles within 2 s.
    const auto settled = [&] {
        RECT client{};
        RECT frame{};
        MONITORINFO monitor{sizeof monitor, {}, {}, 0};
        GetClientRect(window, &client);
        GetWindowRect(window, &frame);
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& work = monitor.rcWork;
        return !IsZoomed(window) && client.right == _wtoi(argv[3]) &&
               client.bottom == _wtoi(argv[4]) && frame.left >= work.left &&
               frame.top >= work.top && frame.right <= work.right && frame.bottom <= work.bottom;
    };
    for (int tries = 0; tries < 100 && owner == process.dwProcessId && !settled(); ++tries) {
        Sleep(20);
    }
    passed &= check(owner == process.dwProcessId, "no visible window with that title") &&
              check(settled(), "maximised, or not at its client size inside the work area");
    PostMessageW(owner == process.dwProcessId ? window : nullptr, WM_CLOSE, 0, 0);
    DWORD status = STILL_ACTIVE;
    const bool ended = WaitForSingleObject(process.hProcess, 10'000) == WAIT_OBJECT_0;
    GetExitCodeProcess(process.hProcess, &status);
    passed &= check(ended, "the program did not end after WM_CLOSE") &&
              check(status == 0, "the program ended with a status other than 0");
    TerminateProcess(process.hProcess, 1);
    return passed ? 0 : 1;
}
