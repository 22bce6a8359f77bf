// The shell's open of a "mailto:" link when no program is associated with such links.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/windows_platform.h"
#include "wine_only.h"

namespace sumora::platform {
namespace {

TEST(ShellOpenTest, RefusesAMailLinkWithoutAHandler) {
    if (!test::underWine()) {
        GTEST_SKIP() << "removes the machine's mail association; runs only in the test prefix";
    }
    // A fresh prefix associates a mail program; take the association away for this test.
    const LSTATUS removed = RegDeleteTreeA(HKEY_CLASSES_ROOT, "mailto");
    ASSERT_TRUE(removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND) << removed;

    WindowsPlatform platform;
    const std::intptr_t result = platform.shellOpen("mailto:sumora@example.com");
    EXPECT_LE(result, 32);
    EXPECT_GE(result, 0);
    RecordProperty("result", static_cast<int>(result));
}

}  // namespace
}  // namespace sumora::platform
