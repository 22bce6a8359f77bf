// The fake gives the answers that the real Win32 calls give to the same requests.
#include "platform/fake_platform.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumora::platform {
namespace {

constexpr std::string_view toolFile = "C:\\Tools\\MSInfo\\msinfo32.exe";
constexpr std::string_view networkFile = "\\\\server\\share\\tool.exe";

TEST(FakePlatformTest, FindsAFileUnderEverySpellingOfItsPath) {
    const struct Case {
        std::string_view name;
        std::string path;
        std::string_view want;  // "" for not found
    } cases[] = {
        {"exact path", std::string(toolFile), "msinfo32.exe"},
        {"other case", "c:\\TOOLS\\msinfo\\MSINFO32.EXE", "MSINFO32.EXE"},
        {"forward slashes", "C:/Tools/MSInfo/msinfo32.exe", "msinfo32.exe"},
        {"folder given with a trailing separator", "C:\\Tools\\MSInfo\\\\MSINFO32.EXE",
         "MSINFO32.EXE"},
        {"trailing dot", "C:\\Tools\\MSInfo\\msinfo32.exe.", "msinfo32.exe."},
        {"trailing blanks", "C:\\Tools\\MSInfo\\msinfo32.exe  ", "msinfo32.exe  "},
        {"network path with doubled separators", "\\\\server\\\\share\\tool.exe", "tool.exe"},
        {"network path losing its second leading separator", "\\server\\share\\tool.exe", ""},
        {"wildcard", "C:\\Tools\\MSInfo\\*.exe", ""},
        {"single-letter wildcard", "C:\\Tools\\MSInfo\\msinfo3?.exe", ""},
        {"trailing separator", "C:\\Tools\\MSInfo\\msinfo32.exe\\", ""},
        {"the folder", "C:\\Tools\\MSInfo", ""},
        {"another file", "C:\\Tools\\MSInfo\\msinfo.exe", ""},
        {"bare name", "msinfo32.exe", ""},
        {"empty path", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.existingFiles = {std::string(toolFile), std::string(networkFile)};

        EXPECT_EQ(fake.findFile(c.path), c.want);

        EXPECT_EQ(fake.fileLookups, std::vector<std::string>{c.path});
    }
}

TEST(FakePlatformTest, StartsOnlyAProgramFileByItsPath) {
    const struct Case {
        std::string_view name;
        std::string path;
        bool startSucceeds;
        bool want;
    } cases[] = {
        {"program whose path holds blanks", "C:\\Program Files\\info tool.exe", true, true},
        {"other spelling of its path", "c:/program files//INFO TOOL.EXE", true, true},
        {"scripted failure", "C:\\Program Files\\info tool.exe", false, false},
        {"missing file", "C:\\Program Files\\absent.exe", true, false},
        {"a folder", "C:\\Program Files", true, false},
        {"name without its extension", "C:\\Program Files\\info tool", true, false},
        {"not a program", "C:\\Program Files\\notes.txt", true, false},
        {"bare name is not searched for", "notepad.exe", true, false},
        {"empty path", "", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.existingFiles = {"C:\\Program Files\\info tool.exe", "C:\\Program Files\\info tool",
                              "C:\\Program Files\\notes.txt", "C:\\Windows\\notepad.exe"};
        fake.startSucceeds = c.startSucceeds;

        EXPECT_EQ(fake.startProgram(c.path), c.want);

        EXPECT_EQ(fake.programStarts, std::vector<std::string>{c.path});
    }
}

TEST(FakePlatformTest, OpensKeysByTheirNamesAsTheRegistryReadsThem) {
    const struct Case {
        std::string_view name;
        std::string subKey;
        std::uint32_t access;
        long wantOpen;
        long wantQuery;  // of the value "Path" in the opened key
    } cases[] = {
        {"exact name", "SOFTWARE\\Sumora", keyRead, errorSuccess, errorSuccess},
        {"other case", "software\\SUMORA", keyRead, errorSuccess, errorSuccess},
        {"trailing separator", "SOFTWARE\\Sumora\\", keyRead, errorSuccess, errorSuccess},
        {"leading separator", "\\SOFTWARE\\Sumora", keyRead, errorBadPathname, 0},
        {"lone separator", "\\", keyRead, errorBadPathname, 0},
        {"empty name opens the root", "", keyRead, errorSuccess, errorFileNotFound},
        {"root refuses write access", "", keyRead | keyWriteRights, errorAccessDenied, 0},
        {"missing key", "SOFTWARE\\Other", keyRead, errorFileNotFound, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.setString(hkeyLocalMachine, "SOFTWARE\\Sumora", "Path", "x");
        RegKey key = 0;

        ASSERT_EQ(fake.regOpenKeyEx(hkeyLocalMachine, c.subKey, 0, c.access, key), c.wantOpen);
        if (c.wantOpen != errorSuccess) {
            EXPECT_EQ(fake.openKeyCount(), 0U);
            continue;
        }
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        EXPECT_EQ(fake.regQueryValueEx(key, "Path", type, nullptr, size), c.wantQuery);
        EXPECT_EQ(fake.regCloseKey(key), errorSuccess);
        EXPECT_EQ(fake.regCloseKey(key), errorInvalidHandle) << "closed twice";
        EXPECT_EQ(fake.openKeyCount(), 0U);
    }
}

TEST(FakePlatformTest, UsesARootAsAnOpenKey) {
    const struct Case {
        std::string_view name;
        std::optional<RegKey> handle;  // none: the root itself
        std::string valueName;
        long wantQuery;
        long wantClose;
    } cases[] = {
        {"root value", std::nullopt, "Version", errorSuccess, errorSuccess},
        {"missing root value", std::nullopt, "Path", errorFileNotFound, errorSuccess},
        {"handle never opened", RegKey{0x1234}, "Version", errorInvalidHandle, errorInvalidHandle},
        {"null handle", RegKey{0}, "Version", errorInvalidHandle, errorInvalidHandle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.setString(hkeyLocalMachine, "", "Version", "1");
        fake.setString(hkeyLocalMachine, "SOFTWARE\\Sumora", "Path", "x");
        const RegKey key = c.handle.value_or(hkeyLocalMachine);
        std::uint32_t type = 0;
        std::uint32_t size = 0;

        EXPECT_EQ(fake.regQueryValueEx(key, c.valueName, type, nullptr, size), c.wantQuery);
        EXPECT_EQ(fake.regCloseKey(key), c.wantClose);
        EXPECT_EQ(fake.regCloseKey(key), c.wantClose) << "closed twice";
    }
}

}  // namespace
}  // namespace sumora::platform
