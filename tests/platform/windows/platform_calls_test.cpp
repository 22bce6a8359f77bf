// The Win32 platform's calls against the real file system, process start and shell.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>

#include "real_system.h"

namespace sumora::platform {
namespace {

TEST(FileLookupTest, FindsOnlyOrdinaryFiles) {
    const struct Case {
        std::string_view name;
        DWORD attributes;  // 0: do not create the file
        std::string_view found;
    } cases[] = {
        {"MSINFO32.EXE", FILE_ATTRIBUTE_NORMAL, "MSINFO32.EXE"},
        {"hidden.exe", FILE_ATTRIBUTE_HIDDEN, ""},
        {"absent.exe", 0, ""},
    };
    const test::ScratchFolder folder("sumora lookup");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.path + '\\' + std::string(c.name);
        if (c.attributes != 0) {
            std::ofstream(path) << "contents";
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), c.attributes));
        }
        EXPECT_EQ(WindowsPlatform().findFile(path), c.found);
    }
}

// The exact path is started, whatever blanks it holds, and a program that an unquoted command
// line would find first never runs.
TEST(ProgramStartTest, StartsTheExactPathAndNothingElse) {
    const test::ScratchFolder folder("sumora start");
    const std::string program = folder.path + "\\Program Files\\info tool.exe";
    const std::string decoy = folder.path + "\\Program.exe";
    ASSERT_TRUE(std::filesystem::create_directory(folder.path + "\\Program Files"));
    ASSERT_TRUE(test::installProbe(program) && test::installProbe(decoy));

    ASSERT_TRUE(WindowsPlatform().startProgram(program));
    EXPECT_EQ(test::probeReport(program), '"' + program + '"');
    EXPECT_FALSE(std::filesystem::exists(decoy + ".ran"));
}

TEST(ShellOpenTest, RefusesAMailLinkWithoutAHandler) {
    if (!test::underWine()) {
        GTEST_SKIP() << "removes the machine's mail association; runs only in the test prefix";
    }
    // A fresh prefix associates a mail program; take the association away for this test.
    const LSTATUS removed = RegDeleteTreeA(HKEY_CLASSES_ROOT, "mailto");
    ASSERT_TRUE(removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND) << removed;
    const std::intptr_t result = WindowsPlatform().shellOpen("mailto:sumora@example.com");
    EXPECT_TRUE(result >= 0 && result <= 32) << result;
}

}  // namespace
}  // namespace sumora::platform
