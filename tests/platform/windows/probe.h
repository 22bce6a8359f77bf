#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "scratch_folder.h"

namespace sumora::platform::test {

// Puts a copy of start_probe.exe, built next to the test executable, at `path`.
inline bool installProbe(const std::string& path) {
    const std::string probe = ownFolder() + "\\start_probe.exe";
    return CopyFileA(probe.c_str(), path.c_str(), FALSE) != 0;
}

// The command line that the probe at `program` was started with, once it has noted it; nothing
// if it did not run within ten seconds.
inline std::optional<std::string> probeReport(const std::string& program) {
    const std::string marker = program + ".ran";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ifstream file(marker, std::ios::binary);
        if (file) {
            return std::string(std::istreambuf_iterator<char>(file), {});
        }
        Sleep(100);
    }
    return std::nullopt;
}

// True when the probe at `program` has run (checked at once, without waiting).
inline bool probeRan(const std::string& program) {
    return GetFileAttributesA((program + ".ran").c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace sumora::platform::test
