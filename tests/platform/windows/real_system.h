#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <sddl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/windows_platform.h"
#include "tests/platform/fake_platform.h"

// What the tests of the Win32 platform need of the real system: scratch folders and registry keys,
// the probe program, and the real calls with their keys and message boxes noted.
namespace sumora::platform::test {

// True inside Wine. Tests that rewrite machine-wide settings run only there, in the throwaway
// prefix that the test command creates, and never on a user's Windows.
inline bool underWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// A fresh folder under the user's temporary folder, removed with all it holds at the end.
struct ScratchFolder {
    explicit ScratchFolder(const std::string& name)
        : path((std::filesystem::temp_directory_path() / name).string()) {
        std::filesystem::create_directories(path);
    }
    // A program started from the folder may still be running for a moment, and its file cannot
    // be removed until it has ended.
    ~ScratchFolder() {
        std::error_code error;
        for (int attempt = 0; attempt < 50 && std::filesystem::remove_all(path, error) ==
                                                  static_cast<std::uintmax_t>(-1);
             ++attempt) {
            Sleep(100);
        }
    }
    const std::string path;  // without a final backslash
};

// A key under HKEY_LOCAL_MACHINE that holds exactly one value, given as its exact bytes so that a
// text can lack its zero, while the object lives; read-only as an ordinary user meets it there.
class ScratchKey {
public:
    ScratchKey(std::string path, std::string_view name, DWORD type, const std::string& bytes)
        : path_(std::move(path)) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0,
                                  KEY_WRITE | WRITE_DAC, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        // The registry counts a zero that directly follows a text as part of it, so the bytes
        // are followed by a mark that is not stored.
        const std::string marked = bytes + '|';
        EXPECT_EQ(RegSetValueExA(key, std::string(name).c_str(), 0, type,
                                 reinterpret_cast<const BYTE*>(marked.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        EXPECT_EQ(setAccess(key, "D:P(A;;KR;;;WD)"), ERROR_SUCCESS);  // everyone may read
        RegCloseKey(key);
    }
    // A read-only key has to be given back its full access before it can be deleted; the owner
    // may always change the access rules.
    ~ScratchKey() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
            setAccess(key, "D:P(A;;KA;;;WD)");
            RegCloseKey(key);
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, path_.c_str());
    }

private:
    static LSTATUS setAccess(HKEY key, const char* rules) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(rules, SDDL_REVISION_1,
                                                                  &descriptor, nullptr)) {
            return static_cast<LSTATUS>(GetLastError());
        }
        const LSTATUS status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        LocalFree(descriptor);
        return status;
    }

    std::string path_;
};

// Puts a copy of start_probe.exe, built next to the test executable, at `path`.
inline bool installProbe(const std::string& path) {
    char self[MAX_PATH];
    const std::string own(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    const std::string probe = own.substr(0, own.find_last_of('\\')) + "\\start_probe.exe";
    return CopyFileA(probe.c_str(), path.c_str(), FALSE) != 0;
}

// The command line that the probe at `program` was started with, once it has noted it; nothing
// if it did not run within ten seconds.
inline std::optional<std::string> probeReport(const std::string& program) {
    for (int attempt = 0; attempt < 100; ++attempt, Sleep(100)) {
        if (std::ifstream file(program + ".ran", std::ios::binary); file) {
            return std::string(std::istreambuf_iterator<char>(file), {});
        }
    }
    return std::nullopt;
}

// The real registry and program start, with the keys still open counted; message boxes are only
// noted, as the fake does, since nobody would close them.
class NotingPlatform final : public FakePlatform {
public:
    std::size_t openKeyCount() const { return openKeys_; }

    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, RegKey& result) override {
        const long status = real_.regOpenKeyEx(root, subKey, options, access, result);
        openKeys_ += status == errorSuccess ? 1 : 0;
        return status;
    }
    long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) override {
        return real_.regQueryValueEx(key, valueName, type, data, size);
    }
    long regCloseKey(RegKey key) override {
        const long status = real_.regCloseKey(key);
        openKeys_ -= status == errorSuccess ? 1 : 0;
        return status;
    }
    bool startProgram(const std::string& path) override { return real_.startProgram(path); }

private:
    WindowsPlatform real_;
    std::size_t openKeys_ = 0;
};

}  // namespace sumora::platform::test
