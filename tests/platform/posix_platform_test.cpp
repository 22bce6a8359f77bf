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

// Whether `condition` holds within five seconds.
bool eventually(const auto& condition) {
    for (int attempt = 0; attempt < 500 && !condition(); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
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
    PosixPlatformTest() { fs::create_directories(root_ / "with blank"); }
    ~PosixPlatformTest() override { fs::remove_all(root_); }

    fs::path installProgram(const fs::path& where) {
        fs::copy_file(STARTED_PROGRAM, where);
        return where;
    }

    const fs::path root_ =
        fs::temp_directory_path() / ("sumora-platform-" + std::to_string(::getpid()));
    PosixPlatform platform_{[](std::string_view, MessageStyle, std::string_view) {},
                            PosixRegistry({})};
};

TEST_F(PosixPlatformTest, StartsProgramByItsExactPathWithBlanksAndReapsIt) {
    // Were the path split at its first blank, this program would run instead.
    const auto decoy = installProgram(root_ / "with");
    const auto program = installProgram(root_ / "with blank" / "started program");

    ASSERT_TRUE(platform_.startProgram(program.string()));
    // Started with no arguments of its own.
    EXPECT_TRUE(eventually([&] { return noteOf(program) == ""; }));
    EXPECT_FALSE(noteOf(decoy).has_value());
    EXPECT_TRUE(eventually(noChildLeft)) << "the ended program is left a zombie";
}

TEST_F(PosixPlatformTest, FindsOnlyOrdinaryVisibleFiles) {
    std::ofstream(root_ / "MSINFO32.EXE") << "tool";
    std::ofstream(root_ / ".hidden") << "tool";
    for (const auto& [name, found] : {std::pair{"MSINFO32.EXE", "MSINFO32.EXE"},
                                      {".hidden", ""},
                                      {"missing", ""},
                                      {"with blank", ""}}) {
        EXPECT_EQ(platform_.findFile((root_ / name).string()), found) << name;
    }
}

// A link goes to xdg-open only when the desktop names a mail application; otherwise, and without
// an opener in an absolute folder of PATH, the answer is 31 at once.
TEST_F(PosixPlatformTest, OpensLinksOnlyWithAnOpenerAndAHandler) {
    const auto opener = installProgram(root_ / "with blank" / "xdg-open");
    const std::string link = "mailto:a b@example.com";
    const struct {
        std::string_view name;
        std::string_view path;  // where PATH finds the opener: "absolute", "relative" or ""
        std::string_view associations;
        bool opens;
    } cases[] = {
        {"opener and handler", "absolute",
         "[Default Applications]\nx-scheme-handler/mailto=mail.desktop;\n", true},
        {"no opener", "", "x-scheme-handler/mailto=mail.desktop\n", false},
        {"opener on a relative PATH entry", "relative", "x-scheme-handler/mailto=mail.desktop\n",
         false},
        {"no handler", "absolute", "x-scheme-handler/http=web.desktop\n", false},
        {"removed handler", "absolute",
         "[Removed Associations]\nx-scheme-handler/mailto=mail.desktop\n", false},
    };
    const std::string savedPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    ::setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
    for (const char* unused : {"XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
        ::setenv(unused, (root_ / "none").c_str(), 1);
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(root_ / "mimeapps.list") << c.associations;
        const std::filesystem::path folder =
            c.path == "absolute" ? opener.parent_path()
            : c.path == "relative"
                ? opener.parent_path().lexically_relative(std::filesystem::current_path())
                : root_;
        ::setenv("PATH", folder.c_str(), 1);
        EXPECT_EQ(platform_.shellOpen(link),
                  c.opens ? shellOpenSucceeded : shellOpenFailedNoAssociation);
        ::setenv("PATH", savedPath.c_str(), 1);
        if (c.opens) {
            // The link stays one argument.
            EXPECT_TRUE(eventually([&] { return noteOf(opener) == link + "\n"; }));
        }
    }
    EXPECT_TRUE(eventually(noChildLeft));
}

}  // namespace
}  // namespace sumora::platform
