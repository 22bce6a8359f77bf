#include "platform/posix_platform.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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
    return note ? std::optional(std::string(std::istreambuf_iterator<char>(note), {}))
                : std::nullopt;
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
        root_ = fs::temp_directory_path() / ("sumora-platform-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "with blank");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path installProgram(const fs::path& where) {
        fs::copy_file(STARTED_PROGRAM, where);
        return where;
    }

    fs::path root_;
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

TEST_F(PosixPlatformTest, FindsOnlyOrdinaryVisibleFiles) {
    std::ofstream(root_ / "MSINFO32.EXE") << "tool";
    std::ofstream(root_ / ".hidden") << "tool";
    EXPECT_EQ(platform_.findFile((root_ / "MSINFO32.EXE").string()), "MSINFO32.EXE");
    EXPECT_EQ(platform_.findFile((root_ / ".hidden").string()), "");
    EXPECT_EQ(platform_.findFile((root_ / "missing").string()), "");
}

// A link goes to xdg-open only when the desktop names a mail application; otherwise, and without
// an opener, the answer is 31 at once.
TEST_F(PosixPlatformTest, OpensLinksOnlyWithAnOpenerAndAHandler) {
    const auto opener = installProgram(root_ / "with blank" / "xdg-open");
    const std::string link = "mailto:a b@example.com";
    const struct {
        std::string_view name;
        fs::path path;
        std::string_view associations;
        std::intptr_t want;
    } cases[] = {
        {"opener and handler", opener.parent_path(),
         "[Default Applications]\nx-scheme-handler/mailto=mail.desktop;\n", shellOpenSucceeded},
        {"no opener", root_, "x-scheme-handler/mailto=mail.desktop\n",
         shellOpenFailedNoAssociation},
        {"no handler", opener.parent_path(), "x-scheme-handler/http=web.desktop\n",
         shellOpenFailedNoAssociation},
        {"removed handler", opener.parent_path(),
         "[Removed Associations]\nx-scheme-handler/mailto=mail.desktop\n",
         shellOpenFailedNoAssociation},
    };
    const std::string savedPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(opener.string() + ".ran");
        std::ofstream(root_ / "mimeapps.list") << c.associations;
        ::setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
        for (const char* unused : {"XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            ::setenv(unused, (root_ / "none").c_str(), 1);
        }
        ::setenv("PATH", c.path.c_str(), 1);
        EXPECT_EQ(platform_.shellOpen(link), c.want);
        ::setenv("PATH", savedPath.c_str(), 1);
        if (c.want == shellOpenSucceeded) {
            // The link stays one argument.
            EXPECT_TRUE(eventually([&] { return noteOf(opener) == link + "\n"; }));
        }
    }
    EXPECT_TRUE(eventually(noChildLeft));
}

}  // namespace
}  // namespace sumora::platform
