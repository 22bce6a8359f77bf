#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace sumora::platform::test {

// A fresh folder under the user's temporary folder, removed with all it holds at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        char temp[MAX_PATH + 1];
        const DWORD length = GetTempPathA(MAX_PATH + 1, temp);
        path_ = std::string(temp, length) + name + " " + std::to_string(GetCurrentProcessId());
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, without a final backslash.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The folder that holds the running test executable, and so the helpers built next to it.
inline std::string ownFolder() {
    char self[MAX_PATH];
    const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    return path.substr(0, path.find_last_of('\\'));
}

}  // namespace sumora::platform::test
