#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace sumora::platform {

// A platform for the tests: the registry and the files hold what the test puts in them, every
// other call answers as scripted, and every call is recorded. Both follow the Win32 rules that the
// real implementations follow too.
//
// Registry: names compare without regard to case; an empty sub-key opens the root itself, a
// trailing "\" is ignored and a leading one fails with errorBadPathname; a root can be queried and
// closed like an opened key; keys under HKEY_LOCAL_MACHINE refuse write access (errorAccessDenied),
// as they do for an ordinary user; a query into a buffer that is too small fails with
// errorMoreData and reports the size needed; a handle that is not open gives errorInvalidHandle.
//
// Files: a path names a scripted file without regard to case, with "/" or "\" and runs of them
// alike, and with trailing dots and blanks dropped; wildcards and a trailing separator name
// nothing. Only a scripted file whose name ends in ".exe" can be started, and only by its path:
// there is no search.
class FakePlatform : public Platform {
public:
    struct MessageBoxCall {
        std::string prompt;
        MessageStyle style;
        std::string title;
        friend bool operator==(const MessageBoxCall&, const MessageBoxCall&) = default;
    };
    struct KeyOpen {
        RegKey root;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
    };

    // Scripting the registry. A key exists once a value has been put under it.
    void setValue(RegKey root, std::string_view subKey, std::string_view valueName,
                  std::uint32_t type, std::vector<unsigned char> data);
    // A REG_SZ value holding `text` and its terminating zero.
    void setString(RegKey root, std::string_view subKey, std::string_view valueName,
                   std::string_view text);
    // Every open of this key fails with `code`.
    void failOpen(RegKey root, std::string_view subKey, long code);

    // Scripting the other calls.
    std::intptr_t shellOpenResult = shellOpenSucceeded;
    std::optional<PlatformError> shellOpenRaises;
    // False makes every start fail, also of a program that could be started.
    bool startSucceeds = true;
    // Ordinary files, by path.
    std::set<std::string> existingFiles;

    // Records, in call order.
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<KeyOpen> keyOpens;
    std::vector<std::string> valueQueries;
    std::vector<RegKey> keyCloses;
    std::vector<std::string> shellOpens;
    std::vector<std::string> programStarts;
    std::vector<std::string> fileLookups;

    // Handles opened and not yet closed.
    std::size_t openKeyCount() const { return handles_.size(); }

    void messageBox(std::string_view prompt, MessageStyle style, std::string_view title) override;
    long regOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                      std::uint32_t access, RegKey& result) override;
    long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                         unsigned char* data, std::uint32_t& size) override;
    long regCloseKey(RegKey key) override;
    std::intptr_t shellOpen(const std::string& link) override;
    bool startProgram(const std::string& path) override;
    std::string findFile(const std::string& path) override;

private:
    struct Value {
        std::uint32_t type;
        std::vector<unsigned char> data;
    };
    struct Key {
        std::map<std::string, Value> values;  // by folded name
        std::optional<long> openFailure;
    };
    using KeyPath = std::pair<RegKey, std::string>;  // root and folded sub-key

    Key& keyAt(RegKey root, std::string_view subKey);
    // The key that an open handle or a root stands for, or nothing for any other handle.
    std::optional<KeyPath> keyPathOf(RegKey key) const;
    bool isExistingFile(const std::string& path) const;

    std::map<KeyPath, Key> keys_;
    std::map<RegKey, KeyPath> handles_;
    RegKey nextHandle_ = 0x1000;
};

}  // namespace sumora::platform
