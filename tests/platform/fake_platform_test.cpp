#include "platform/fake_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace sumora::platform {
namespace {

constexpr std::string_view key = "SOFTWARE\\Sumora";

// The registry rules that the tests of the About dialog rely on, as the Win32 registry has them.
TEST(FakePlatformTest, RegistryFollowsTheWin32Rules) {
    FakePlatform fake;
    fake.setValue(hkeyLocalMachine, key, "Bytes", regExpandSz, {'a', 'b', 'c'});
    RegKey handle = 0;
    std::array<unsigned char, 8> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = 2;

    EXPECT_EQ(fake.regOpenKeyEx(hkeyLocalMachine, "software\\SUMORA", 0, 0x2003F, handle),
              errorAccessDenied);
    ASSERT_EQ(fake.regOpenKeyEx(hkeyLocalMachine, "software\\SUMORA", 0, keyRead, handle),
              errorSuccess);
    EXPECT_EQ(fake.regQueryValueEx(handle, "bytes", type, buffer.data(), size), errorMoreData);
    EXPECT_EQ(size, 3U);
    EXPECT_EQ(type, regExpandSz);
    size = buffer.size();
    EXPECT_EQ(fake.regQueryValueEx(handle, "other", type, buffer.data(), size), errorFileNotFound);
    EXPECT_EQ(fake.regCloseKey(handle), errorSuccess);
    EXPECT_EQ(fake.regCloseKey(handle), errorInvalidHandle);
    EXPECT_EQ(fake.regOpenKeyEx(hkeyLocalMachine, "SOFTWARE\\Other", 0, keyRead, handle),
              errorFileNotFound);
    EXPECT_EQ(fake.openKeyCount(), 0U);
}

}  // namespace
}  // namespace sumora::platform
