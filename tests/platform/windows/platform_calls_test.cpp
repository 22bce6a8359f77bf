// The Win32 platform's calls against the real registry, file system, process start and shell.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <string_view>

#include "platform/windows_platform.h"
#include "probe.h"
#include "scratch_folder.h"
#include "scratch_key.h"
#include "wine_only.h"

namespace sumora::platform {
namespace {

// As an ordinary user meets HKEY_LOCAL_MACHINE: read access is granted, a mask that also asks to
// change the key is refused.
TEST(RegistryTest, ReadOnlyKeyOpensForReadingButNotForChanging) {
    const std::string path = "SOFTWARE\\Sumora Tests\\Registry";
    const test::ScratchKey scratch(path, {});
    ASSERT_EQ(scratch.status(), ERROR_SUCCESS);
    WindowsPlatform platform;
    RegKey key = 0;
    ASSERT_EQ(platform.regOpenKeyEx(hkeyLocalMachine, path, 0, keyRead, key), errorSuccess);
    EXPECT_EQ(platform.regCloseKey(key), errorSuccess);
    EXPECT_EQ(platform.regOpenKeyEx(hkeyLocalMachine, path, 0, 0x2003F, key), errorAccessDenied);
}

TEST(FileLookupTest, FindsOnlyOrdinaryFiles) {
    struct Case {
        std::string_view name;
        DWORD attributes;  // 0: do not create the file
        std::string_view found;
    };
    const Case cases[] = {
        {"MSINFO32.EXE", FILE_ATTRIBUTE_NORMAL, "MSINFO32.EXE"},
        {"hidden.exe", FILE_ATTRIBUTE_HIDDEN, ""},
        {"absent.exe", 0, ""},
    };
    const test::ScratchFolder folder("sumora lookup");
    WindowsPlatform platform;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.path() + '\\' + std::string(c.name);
        if (c.attributes != 0) {
            std::ofstream(path) << "contents";
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), c.attributes));
        }
        EXPECT_EQ(platform.findFile(path), c.found);
    }
}

// The exact path is started, whatever blanks it holds, and a program that an unquoted command
// line would find first never runs.
TEST(ProgramStartTest, StartsTheExactPathAndNothingElse) {
    const test::ScratchFolder folder("sumora start");
    const std::string program = folder.path() + "\\Program Files\\info tool.exe";
    const std::string decoy = folder.path() + "\\Program.exe";
    ASSERT_TRUE(CreateDirectoryA((folder.path() + "\\Program Files").c_str(), nullptr));
    ASSERT_TRUE(test::installProbe(program));
    ASSERT_TRUE(test::installProbe(decoy));

    ASSERT_TRUE(WindowsPlatform().startProgram(program));
    EXPECT_EQ(test::probeReport(program), '"' + program + '"');
    EXPECT_FALSE(test::probeRan(decoy));
}

TEST(ShellOpenTest, RefusesAMailLinkWithoutAHandler) {
    if (!test::underWine()) {
        GTEST_SKIP() << "removes the machine's mail association; runs only in the test prefix";
    }
    // A fresh prefix associates a mail program; take the association away for this test.
    const LSTATUS removed = RegDeleteTreeA(HKEY_CLASSES_ROOT, "mailto");
    ASSERT_TRUE(removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND) << removed;
    const std::intptr_t result = WindowsPlatform().shellOpen("mailto:sumora@example.com");
    EXPECT_LE(result, 32);
    EXPECT_GE(result, 0);
}

}  // namespace
}  // namespace sumora::platform
