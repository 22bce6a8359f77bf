// Starts a program the way the Start menu does, waits for its main window and checks what a user
// first sees: the title, the client area at 96 DPI and a clean exit (status 0) once the window is
// asked to close. Wine makes every program DPI aware, so the manifest that asks for it is read
// out of the file instead.
// Usage: window_probe PROGRAM TITLE WIDTH HEIGHT   (exit status 0 when every check holds)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>

namespace {

constexpr DWORD windowTimeoutMs = 30'000;
constexpr DWORD exitTimeoutMs = 10'000;

struct Search {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (owner == search.processId && IsWindowVisible(window) &&
        std::wcscmp(title, search.title) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND waitForWindow(const PROCESS_INFORMATION& process, const wchar_t* title) {
    Search search{process.dwProcessId, title, nullptr};
    const ULONGLONG deadline = GetTickCount64() + windowTimeoutMs;
    while (search.found == nullptr && GetTickCount64() < deadline &&
           WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

// What the application manifest must ask for: per-monitor DPI awareness (version 2 first),
// visual styles and no elevation.
constexpr std::string_view manifestEntries[] = {
    "PerMonitorV2, PerMonitor",
    "true/pm",
    "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
    "level=\"asInvoker\"",
};

std::string_view manifestOf(const wchar_t* program) {
    const HMODULE file = LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found =
        file != nullptr ? FindResourceW(file, MAKEINTRESOURCEW(1), RT_MANIFEST) : nullptr;
    if (found == nullptr) {
        return {};
    }
    return {static_cast<const char*>(LockResource(LoadResource(file, found))),
            SizeofResource(file, found)};
}

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
    const int width = _wtoi(argv[3]);
    const int height = _wtoi(argv[4]);
    const std::string_view manifest = manifestOf(argv[1]);
    bool passed = true;
    for (const std::string_view entry : manifestEntries) {
        passed &= check(manifest.find(entry) != std::string_view::npos,
                        "the application manifest lacks an entry");
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "window_probe: cannot start the program (error %lu)\n",
                     GetLastError());
        return 1;
    }
    const HWND window = waitForWindow(process, argv[2]);
    passed &= check(window != nullptr, "no visible window with that title");
    if (window != nullptr) {
        RECT client{};
        GetClientRect(window, &client);
        std::fprintf(stderr, "window_probe: client area %ld x %ld\n", client.right, client.bottom);
        passed &= check(client.right == width && client.bottom == height, "wrong client size");
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    DWORD status = STILL_ACTIVE;
    const bool ended = WaitForSingleObject(process.hProcess, exitTimeoutMs) == WAIT_OBJECT_0;
    GetExitCodeProcess(process.hProcess, &status);
    passed &= check(ended, "the program did not end after WM_CLOSE");
    passed &= check(!ended || status == 0, "the program ended with a status other than 0");
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return passed ? 0 : 1;
}
