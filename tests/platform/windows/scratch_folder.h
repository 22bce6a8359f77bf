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
        removeAll();
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { removeAll(); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, without a final backslash.
    const std::string& path() const { return path_; }

private:
    // A program started from the folder may still be running for a moment, and its file cannot
    // be removed until it has ended.
    void removeAll() const {
        std::error_code error;
        for (int attempt = 0; attempt < 50; ++attempt) {
            std::filesystem::remove_all(path_, error);
            if (!error) {
                return;
            }
            Sleep(100);
        }
    }

    std::string path_;
};

// The folder that holds the running test executable, and so the helpers built next to it.
inline std::string ownFolder() {
    char self[MAX_PATH];
    const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    return path.substr(0, path.find_last_of('\\'));
}

}  // namespace sumora::platform::test
