#include "platform/posix_registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace sumora::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr RegKey hkeyCurrentUser = 0x80000001;

class PosixRegistryTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("sumora-registry-" + std::to_string(::getpid()));
        fs::create_directories(root_);
        makeFile("plain file", fs::perms::owner_read | fs::perms::owner_write);
        tool_ = makeFile("system info", fs::perms::owner_all);
        makeFile("second tool", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string makeFile(std::string_view name, fs::perms permissions) {
        const auto path = root_ / name;
        std::ofstream(path) << "program";
        fs::permissions(path, permissions);
        return path.string();
    }

    // Not installed, installed without the right to run, then two installed programs.
    PosixRegistry registry() const {
        return PosixRegistry({(root_ / "missing").string(), (root_ / "plain file").string(), tool_,
                              (root_ / "second tool").string()});
    }

    fs::path root_;
    std::string tool_;
};

TEST_F(PosixRegistryTest, OpensOnlyTheToolKeyForReading) {
    const struct Case {
        std::string_view name;
        RegKey root;
        std::string_view subKey;
        std::uint32_t access;
        bool toolInstalled;
        long want;
    } cases[] = {
        {"read access", hkeyLocalMachine, toolKey, keyRead, true, errorSuccess},
        {"query access", hkeyLocalMachine, toolKey, keyQueryValue, true, errorSuccess},
        {"names ignore case", hkeyLocalMachine, "software\\microsoft\\shared tools\\msinfo",
         keyRead, true, errorSuccess},
        {"write access is refused", hkeyLocalMachine, toolKey, 0x2003F, true, errorAccessDenied},
        {"other root", hkeyCurrentUser, toolKey, keyRead, true, errorFileNotFound},
        {"other key", hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", keyRead, true,
         errorFileNotFound},
        {"no tool installed", hkeyLocalMachine, toolKey, keyRead, false, errorFileNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PosixRegistry registry = c.toolInstalled ? this->registry() : PosixRegistry({});
        RegKey key = 0;
        EXPECT_EQ(registry.open(c.root, std::string(c.subKey), c.access, key), c.want);
    }
}

TEST_F(PosixRegistryTest, GivesTheFirstInstalledToolAsTerminatedText) {
    PosixRegistry registry = this->registry();
    RegKey key = 0;
    ASSERT_EQ(registry.open(hkeyLocalMachine, std::string(toolKey), keyRead, key), errorSuccess);
    std::array<unsigned char, 1024> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();

    ASSERT_EQ(registry.query(key, "Path", type, buffer.data(), size), errorSuccess);

    EXPECT_EQ(type, regSz);
    ASSERT_EQ(size, tool_.size() + 1);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size), tool_ + '\0');
    EXPECT_EQ(registry.close(key), errorSuccess);
}

TEST_F(PosixRegistryTest, QueryFailuresFollowTheWin32Rules) {
    PosixRegistry registry = this->registry();
    RegKey key = 0;
    ASSERT_EQ(registry.open(hkeyLocalMachine, std::string(toolKey), keyRead, key), errorSuccess);
    std::array<unsigned char, 1024> buffer{};
    std::uint32_t type = 0;

    std::uint32_t size = static_cast<std::uint32_t>(tool_.size());
    EXPECT_EQ(registry.query(key, "PATH", type, buffer.data(), size), errorMoreData);
    EXPECT_EQ(size, tool_.size() + 1) << "the size needed";

    size = buffer.size();
    EXPECT_EQ(registry.query(key, "MSINFO", type, buffer.data(), size), errorFileNotFound);

    EXPECT_EQ(registry.close(key), errorSuccess);
    EXPECT_EQ(registry.query(key, "PATH", type, buffer.data(), size), errorInvalidHandle);
    EXPECT_EQ(registry.close(key), errorInvalidHandle);
}

}  // namespace
}  // namespace sumora::platform
