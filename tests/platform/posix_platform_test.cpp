#include "platform/posix_platform.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>

namespace sumora::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool eventually(const auto& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

std::optional<std::string> noteOf(const fs::path& program) {
    std::ifstream note(program.string() + ".ran");
    if (!note) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << note.rdbuf();
    return text.str();
}

// True once every child of this process has been waited for; WNOWAIT leaves a zombie in place
// for the reaper that is under test.
bool noChildLeft() {
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == -1 && errno == ECHILD;
}

class PosixPlatformTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("sumora-platform-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root_ / "with blank");
        if (const char* path = std::getenv("PATH")) {
            savedPath_ = path;
        }
    }
    void TearDown() override {
        if (savedPath_) {
            ::setenv("PATH", savedPath_->c_str(), 1);
        }
        fs::remove_all(root_);
    }

    fs::path installProgram(const fs::path& where) {
        fs::copy_file(STARTED_PROGRAM, where);
        return where;
    }

    fs::path root_;
    std::optional<std::string> savedPath_;
    PosixPlatform platform_{[](std::string_view, MessageStyle, std::string_view) {},
                            PosixRegistry({})};
};

TEST_F(PosixPlatformTest, StartsProgramByItsExactPathWithBlanksAndReapsIt) {
    // Were the path split at its first blank, this program would run instead.
    const auto decoy = installProgram(root_ / "with");
    const auto program = installProgram(root_ / "with blank" / "started program");

    ASSERT_TRUE(platform_.startProgram(program.string()));

    ASSERT_TRUE(eventually([&] { return noteOf(program).has_value(); }));
    EXPECT_EQ(noteOf(program), "") << "started with no arguments of its own";
    EXPECT_FALSE(noteOf(decoy).has_value());
    EXPECT_TRUE(eventually(noChildLeft)) << "the ended program is left a zombie";
}

TEST_F(PosixPlatformTest, ReportsProgramsThatCannotBeStarted) {
    std::ofstream(root_ / "not executable") << "data";
    const struct Case {
        std::string_view name;
        std::string path;
    } cases[] = {
        {"empty path", ""},
        {"missing file", (root_ / "missing").string()},
        {"folder", (root_ / "with blank").string()},
        {"file without execute permission", (root_ / "not executable").string()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(platform_.startProgram(c.path));
    }
}

TEST_F(PosixPlatformTest, FindsOnlyOrdinaryVisibleFiles) {
    std::ofstream(root_ / "MSINFO32.EXE") << "tool";
    std::ofstream(root_ / ".hidden") << "tool";
    const struct Case {
        std::string_view name;
        fs::path path;
        std::string want;
    } cases[] = {
        {"regular file gives its name", root_ / "MSINFO32.EXE", "MSINFO32.EXE"},
        {"hidden file", root_ / ".hidden", ""},
        {"missing file", root_ / "missing", ""},
        {"folder", root_ / "with blank", ""},
        {"trailing slash names no file", root_.string() + "/", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform_.findFile(c.path.string()), c.want);
    }
}

TEST_F(PosixPlatformTest, OpensLinksWithTheOpenerOnThePath) {
    const auto openers = root_ / "with blank";
    const auto opener = installProgram(openers / "xdg-open");
    const struct Case {
        std::string_view name;
        std::string path;
        std::string link;
        bool succeeds;
    } cases[] = {
        {"opener succeeds", openers.string(), "mailto:sumora@example.com", true},
        {"link with a blank stays one argument", openers.string(), "mailto:a b@example.com", true},
        {"opener fails", openers.string(), "mailto:fail@example.com", false},
        {"no opener on the path", root_.string(), "mailto:sumora@example.com", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(opener.string() + ".ran");
        ::setenv("PATH", c.path.c_str(), 1);

        const auto result = platform_.shellOpen(c.link);

        if (c.succeeds) {
            EXPECT_GT(result, 32);
            EXPECT_EQ(noteOf(opener), c.link + "\n");
        } else {
            EXPECT_EQ(result, shellOpenFailedNoAssociation);
        }
    }
}

}  // namespace
}  // namespace sumora::platform
