// Opening a key of HKEY_LOCAL_MACHINE as an ordinary user: read access is granted, a mask that
// also asks to change the key is refused.
#include <gtest/gtest.h>

#include <string>

#include "platform/windows_platform.h"
#include "scratch_key.h"

namespace sumora::platform {
namespace {

TEST(RegistryTest, ReadOnlyKeyOpensForReadingButNotForChanging) {
    const std::string path = "SOFTWARE\\Sumora Tests\\Registry";
    const test::ScratchKey scratch(path, {}, test::KeyAccess::readOnly);
    ASSERT_EQ(scratch.status(), ERROR_SUCCESS);
    WindowsPlatform platform;
    RegKey key = 0;
    ASSERT_EQ(platform.regOpenKeyEx(hkeyLocalMachine, path, 0, keyRead, key), errorSuccess);
    EXPECT_EQ(platform.regCloseKey(key), errorSuccess);
    EXPECT_EQ(platform.regOpenKeyEx(hkeyLocalMachine, path, 0, 0x2003F, key), errorAccessDenied);
}

}  // namespace
}  // namespace sumora::platform
