#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace sumora::platform::test {

// A registry value as the tests store it: the exact bytes, so that a text can lack its zero.
struct StoredValue {
    std::string_view name;
    DWORD type;
    std::string bytes;
};

// A key under HKEY_LOCAL_MACHINE that holds exactly `values` while the object lives; the key and
// everything under it are deleted at the end. The path must not exist beforehand with anything
// the tests need to keep.
class ScratchKey {
public:
    ScratchKey(std::string path, const std::vector<StoredValue>& values) : path_(std::move(path)) {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, path_.c_str());
        HKEY key = nullptr;
        status_ = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr);
        for (const StoredValue& value : values) {
            if (status_ != ERROR_SUCCESS) {
                break;
            }
            const std::string name(value.name);
            // The registry counts a zero that directly follows a text as part of it, so the
            // bytes are followed by a mark that is not stored.
            const std::string marked = value.bytes + '|';
            status_ = RegSetValueExA(key, name.c_str(), 0, value.type,
                                     reinterpret_cast<const BYTE*>(marked.data()),
                                     static_cast<DWORD>(value.bytes.size()));
        }
        if (key != nullptr) {
            RegCloseKey(key);
        }
    }
    ~ScratchKey() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, path_.c_str()); }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // ERROR_SUCCESS when the key and all its values were written.
    LSTATUS status() const { return status_; }

private:
    std::string path_;
    LSTATUS status_;
};

// The bytes of a text with its terminating zero.
inline std::string withZero(std::string_view text) {
    return std::string(text) + '\0';
}

}  // namespace sumora::platform::test
