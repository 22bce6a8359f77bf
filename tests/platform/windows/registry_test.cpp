// The registry calls against the real registry: values of every kind that the About dialog may
// meet, stored byte for byte, then read back through the 1024-byte buffer it uses.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/windows_platform.h"
#include "scratch_key.h"

namespace sumora::platform {
namespace {

using test::ScratchKey;
using test::StoredValue;
using test::withZero;

constexpr std::string_view keyPath = "SOFTWARE\\Sumora Tests\\Registry";
constexpr std::uint32_t bufferSize = 1024;

const std::string toolPath = "C:\\Program Files\\Info Tool\\info.exe";
const std::string dwordMinusTwo("\xFE\xFF\xFF\xFF", 4);

std::vector<StoredValue> storedValues() {
    return {
        {"text with zero", REG_SZ, withZero(toolPath)},
        {"text without zero", REG_SZ, toolPath},
        {"only a zero", REG_SZ, withZero("")},
        {"size 0", REG_SZ, ""},
        {"dword", REG_DWORD, dwordMinusTwo},
        {"expandable", REG_EXPAND_SZ, withZero("%SystemRoot%\\info.exe")},
        {"1024 bytes", REG_SZ, withZero(std::string(1023, 'x'))},
        {"1024 bytes without zero", REG_SZ, std::string(1024, 'x')},
        {"1025 bytes", REG_SZ, withZero(std::string(1024, 'x'))},
        {"1025 binary bytes", REG_BINARY, std::string(1025, '\x7F')},
    };
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(scratch_.status(), ERROR_SUCCESS); }

    // Read-only, as an ordinary user finds HKEY_LOCAL_MACHINE.
    ScratchKey scratch_{std::string(keyPath), storedValues(), test::KeyAccess::readOnly};
    WindowsPlatform platform_;
};

TEST_F(RegistryTest, OpensKeysForReading) {
    struct Case {
        std::string_view name;
        std::string_view subKey;
        std::uint32_t access;
        long status;
    };
    const Case cases[] = {
        {"read access", keyPath, keyRead, errorSuccess},
        {"query access only", keyPath, keyQueryValue, errorSuccess},
        // The mask that also asks to change the key.
        {"read and write access", keyPath, 0x2003F, errorAccessDenied},
        {"missing key", "SOFTWARE\\Sumora Tests\\Absent", keyRead, errorFileNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegKey key = 0;
        ASSERT_EQ(platform_.regOpenKeyEx(hkeyLocalMachine, std::string(c.subKey), 0, c.access, key),
                  c.status);
        if (c.status == errorSuccess) {
            EXPECT_NE(key, 0u);
            EXPECT_EQ(platform_.regCloseKey(key), errorSuccess);
        }
    }
}

TEST_F(RegistryTest, QueriesValuesIntoTheDialogsBuffer) {
    struct Case {
        std::string_view name;
        long status;
        std::uint32_t type;
        std::uint32_t size;
        std::string data;  // checked only on success
    };
    const Case cases[] = {
        {"text with zero", errorSuccess, regSz, 36, withZero(toolPath)},
        {"text without zero", errorSuccess, regSz, 35, toolPath},
        {"only a zero", errorSuccess, regSz, 1, withZero("")},
        {"size 0", errorSuccess, regSz, 0, ""},
        {"dword", errorSuccess, regDword, 4, dwordMinusTwo},
        {"expandable", errorSuccess, regExpandSz, 22, withZero("%SystemRoot%\\info.exe")},
        {"1024 bytes", errorSuccess, regSz, 1024, withZero(std::string(1023, 'x'))},
        {"1024 bytes without zero", errorSuccess, regSz, 1024, std::string(1024, 'x')},
        {"1025 bytes", errorMoreData, regSz, 1025, ""},
        {"1025 binary bytes", errorMoreData, REG_BINARY, 1025, ""},
        {"missing value", errorFileNotFound, 0, bufferSize, ""},
    };
    RegKey key = 0;
    ASSERT_EQ(platform_.regOpenKeyEx(hkeyLocalMachine, std::string(keyPath), 0, keyRead, key),
              errorSuccess);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string buffer(bufferSize, '\0');
        std::uint32_t type = 0;
        std::uint32_t size = bufferSize;
        ASSERT_EQ(platform_.regQueryValueEx(key, std::string(c.name), type,
                                            reinterpret_cast<unsigned char*>(buffer.data()), size),
                  c.status);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(size, c.size);
        if (c.status == errorSuccess) {
            EXPECT_EQ(buffer.substr(0, size), c.data);
        }
    }
    EXPECT_EQ(platform_.regCloseKey(key), errorSuccess);
}

}  // namespace
}  // namespace sumora::platform
