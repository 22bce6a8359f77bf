// Program start against the real process creation: the exact path is started, whatever blanks it
// holds, and a program that an unquoted command line would find first never runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "platform/windows_platform.h"
#include "scratch_folder.h"

namespace sumora::platform {
namespace {

using test::ScratchFolder;

// What the probe at `program` wrote about how it was started, once it has; nothing if it did
// not run within a few seconds.
std::optional<std::string> probeReport(const std::string& program) {
    const std::string marker = program + ".ran";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ifstream file(marker, std::ios::binary);
        if (file) {
            return std::string(std::istreambuf_iterator<char>(file), {});
        }
        Sleep(100);
    }
    return std::nullopt;
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ProgramStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA(programFolder_.c_str(), nullptr));
        ASSERT_TRUE(CopyFileA(probe_.c_str(), program_.c_str(), TRUE));
        ASSERT_TRUE(CopyFileA(probe_.c_str(), decoy_.c_str(), TRUE));
    }

    ScratchFolder folder_{"sumora start"};
    const std::string probe_ = test::ownFolder() + "\\start_probe.exe";
    const std::string programFolder_ = folder_.path() + "\\Program Files";
    const std::string program_ = programFolder_ + "\\info tool.exe";
    // Where an unquoted command line would look first for the program above.
    const std::string decoy_ = folder_.path() + "\\Program.exe";
    WindowsPlatform platform_;
};

TEST_F(ProgramStartTest, StartsTheExactPathAndNothingElse) {
    ASSERT_TRUE(platform_.startProgram(program_));

    const std::optional<std::string> report = probeReport(program_);
    ASSERT_TRUE(report.has_value()) << "the program did not run";
    EXPECT_EQ(*report, '"' + program_ + '"');
    EXPECT_FALSE(fileExists(decoy_ + ".ran"));
}

TEST_F(ProgramStartTest, ReportsWhatCannotBeStarted) {
    struct Case {
        std::string_view name;
        std::string path;
    };
    const Case cases[] = {
        {"empty path", ""},
        {"missing file", programFolder_ + "\\absent.exe"},
        {"a folder", programFolder_},
        {"name without its extension", programFolder_ + "\\info tool"},
        {"not a program", folder_.path() + "\\notes.txt"},
    };
    std::ofstream(folder_.path() + "\\notes.txt") << "plain text";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(platform_.startProgram(c.path));
    }
    EXPECT_FALSE(fileExists(decoy_ + ".ran"));
}

}  // namespace
}  // namespace sumora::platform
