// Measures Windows programs side by side: the time from CreateProcess to the first visible
// top-level window, and the working set and private memory (commit charge) once the window is up.
// Wine 8 fills the working set from the resident size; its private memory reads 0.
// Usage: startup_probe_win32 RUNS PROGRAM...   Runs alternate between the programs; one warm-up run
// of each is left out. Prints a Markdown table of medians and each program's ratio to the last one.

#include <windows.h>

#include <psapi.h>  // after windows.h, which it needs

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto mapTimeout = std::chrono::seconds(20);
// Time for the first paint and the settling of lazily made things before memory is read.
constexpr DWORD settleMs = 500;

struct Sample {
    double mapMs;
    double workingSetMiB;
    double privateMiB;
};

constexpr double mebibyte = 1024.0 * 1024.0;

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && GetWindow(window, GW_OWNER) == nullptr &&
        IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

std::optional<Sample> launchOnce(const wchar_t* program) {
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Clock::time_point start = Clock::now();
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return std::nullopt;
    }
    Search search{process.dwProcessId, nullptr};
    while (search.found == nullptr && Clock::now() - start < mapTimeout) {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(1);
        }
    }
    std::optional<Sample> sample;
    if (search.found != nullptr) {
        const double mapMs =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        Sleep(settleMs);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        if (GetProcessMemoryInfo(process.hProcess,
                                 reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                 sizeof memory)) {
            sample = Sample{mapMs, static_cast<double>(memory.WorkingSetSize) / mebibyte,
                            static_cast<double>(memory.PrivateUsage) / mebibyte};
        }
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10'000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    const int runs = argc >= 3 ? _wtoi(argv[1]) : 0;
    if (runs < 1) {
        std::fputs("usage: startup_probe_win32 RUNS PROGRAM...\n", stderr);
        return 2;
    }
    const std::vector<const wchar_t*> programs(argv + 2, argv + argc);
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = 0; run <= runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const auto sample = launchOnce(programs[p]);
            if (!sample) {
                std::fprintf(stderr, "startup_probe_win32: no window from %ls\n", programs[p]);
                return 1;
            }
            if (run > 0) {  // run 0 warms the caches
                samples[p].push_back(*sample);
            }
        }
    }

    std::vector<Sample> medians;
    for (const auto& taken : samples) {
        const auto medianOf = [&](auto field) {
            std::vector<double> values;
            for (const Sample& s : taken) {
                values.push_back(s.*field);
            }
            return median(values);
        };
        medians.push_back({medianOf(&Sample::mapMs), medianOf(&Sample::workingSetMiB),
                           medianOf(&Sample::privateMiB)});
    }
    std::printf(
        "| program | launch to visible window, ms (median of %d) | working set, MiB (median) "
        "| private memory, MiB (median) | time / last | working set / last |\n"
        "|---|---|---|---|---|---|\n",
        runs);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const Sample& m = medians[p];
        std::printf("| %ls | %.1f | %.1f | %.1f | %.3f | %.3f |\n", programs[p], m.mapMs,
                    m.workingSetMiB, m.privateMiB, m.mapMs / medians.back().mapMs,
                    m.workingSetMiB / medians.back().workingSetMiB);
    }
    return 0;
}
