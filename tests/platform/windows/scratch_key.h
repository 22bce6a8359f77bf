#pragma once

#include <windows.h>

#include <sddl.h>

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

// A key under HKEY_LOCAL_MACHINE that holds exactly `values` while the object lives, read-only as
// an ordinary user meets it there; the key and everything under it are deleted at the end. The path
// must not exist beforehand with anything the tests need to keep.
class ScratchKey {
public:
    ScratchKey(std::string path, const std::vector<StoredValue>& values) : path_(std::move(path)) {
        remove();
        HKEY key = nullptr;
        status_ = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0,
                                  KEY_WRITE | WRITE_DAC, nullptr, &key, nullptr);
        for (auto value = values.begin(); status_ == ERROR_SUCCESS && value != values.end();
             ++value) {
            const std::string name(value->name);
            // The registry counts a zero that directly follows a text as part of it, so the
            // bytes are followed by a mark that is not stored.
            const std::string marked = value->bytes + '|';
            status_ = RegSetValueExA(key, name.c_str(), 0, value->type,
                                     reinterpret_cast<const BYTE*>(marked.data()),
                                     static_cast<DWORD>(value->bytes.size()));
        }
        if (status_ == ERROR_SUCCESS) {
            status_ = setAccess(key, "D:P(A;;KR;;;WD)");
        }
        if (key != nullptr) {
            RegCloseKey(key);
        }
    }
    ~ScratchKey() { remove(); }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // ERROR_SUCCESS when the key, all its values and its access rules were written.
    LSTATUS status() const { return status_; }

private:
    // `rules` in the security descriptor language: "D:P(A;;KR;;;WD)" lets everyone read.
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

    // A read-only key has to be given back its full access before it can be deleted; the owner
    // may always change the access rules.
    void remove() const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
            setAccess(key, "D:P(A;;KA;;;WD)");
            RegCloseKey(key);
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, path_.c_str());
    }

    std::string path_;
    LSTATUS status_;
};

// The bytes of a text with its terminating zero.
inline std::string withZero(std::string_view text) {
    return std::string(text) + '\0';
}

}  // namespace sumora::platform::test
