// Program start against the real process creation: the exact path is started, whatever blanks it
// holds, and a program that an unquoted command line would find first never runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "platform/windows_platform.h"
#include "probe.h"
#include "scratch_folder.h"

namespace sumora::platform {
namespace {

using test::probeRan;
using test::probeReport;
using test::ScratchFolder;

class ProgramStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA(programFolder_.c_str(), nullptr));
        ASSERT_TRUE(test::installProbe(program_));
        ASSERT_TRUE(test::installProbe(decoy_));
    }

    ScratchFolder folder_{"sumora start"};
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
    EXPECT_FALSE(probeRan(decoy_));
}

}  // namespace
}  // namespace sumora::platform
