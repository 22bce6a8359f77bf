// Starts a program the way the Start menu does, waits for its main window and checks what a user
// first sees: the title, the client area at 96 DPI and a clean exit (status 0) once the window is
// asked to close. Wine makes every program DPI aware, so the manifest that asks for it is read
// out of the file instead.
// Usage: window_probe PROGRAM TITLE WIDTH HEIGHT   (exit status 0 when every check holds)
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

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
    const HMODULE file = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found =
        file != nullptr ? FindResourceW(file, MAKEINTRESOURCEW(1), RT_MANIFEST) : nullptr;
    const std::string_view manifest(
        static_cast<const char*>(LockResource(LoadResource(file, found))),
        found != nullptr ? SizeofResource(file, found) : 0);
    bool passed = true;
    // Per-monitor DPI awareness (version 2 first), visual styles and no elevation.
    for (const std::string_view entry :
         {"PerMonitorV2, PerMonitor", "true/pm",
          "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "level=\"asInvoker\""}) {
        passed &= check(manifest.find(entry) != std::string_view::npos,
                        "the application manifest lacks an entry");
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
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
    RECT client{};
    passed &= check(owner == process.dwProcessId, "no visible window with that title") &&
              check(GetClientRect(window, &client) && client.right == _wtoi(argv[3]) &&
                        client.bottom == _wtoi(argv[4]),
                    "wrong client size");
    PostMessageW(owner == process.dwProcessId ? window : nullptr, WM_CLOSE, 0, 0);
    DWORD status = STILL_ACTIVE;
    const bool ended = WaitForSingleObject(process.hProcess, 10'000) == WAIT_OBJECT_0;
    GetExitCodeProcess(process.hProcess, &status);
    passed &= check(ended, "the program did not end after WM_CLOSE") &&
              check(status == 0, "the program ended with a status other than 0");
    TerminateProcess(process.hProcess, 1);
    return passed ? 0 : 1;
}
