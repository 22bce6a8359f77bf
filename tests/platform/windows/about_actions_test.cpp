// The About dialog's actions against the real registry, file system, process start and shell.
// The registry keys are read-only, as an ordinary user finds HKEY_LOCAL_MACHINE.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "noting_platform.h"
#include "probe.h"
#include "scratch_folder.h"
#include "scratch_key.h"
#include "ui/dialogs/about_actions.h"
#include "wine_only.h"

namespace sumora::dialogs {
namespace {

using platform::test::KeyAccess;
using platform::test::NotingPlatform;
using platform::test::probeRan;
using platform::test::probeReport;
using platform::test::ScratchFolder;
using platform::test::ScratchKey;
using platform::test::StoredValue;
using platform::test::withZero;

const NotingPlatform::MessageBoxCall unavailable{"System Information Is Unavailable At This Time",
                                                 MessageStyle::okOnly, "Sumora"};

class AboutActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!platform::test::underWine()) {
            GTEST_SKIP() << "rewrites machine-wide registry keys; runs only in the test prefix";
        }
    }
};

TEST_F(AboutActionsTest, GetKeyValueReadsEveryKindOfValue) {
    const std::string path = "C:\\Program Files\\Info Tool\\info.exe";
    const std::string keyName = "SOFTWARE\\Sumora Tests\\About";
    const ScratchKey key(keyName,
                         {
                             {"with zero", REG_SZ, withZero(path)},
                             {"without zero", REG_SZ, path},
                             {"only a zero", REG_SZ, withZero("")},
                             {"dword", REG_DWORD, std::string("\xFE\xFF\xFF\xFF", 4)},
                             {"expandable", REG_EXPAND_SZ, withZero(path)},
                             {"1024 bytes", REG_SZ, withZero(std::string(1023, 'x'))},
                             {"1024 bytes without zero", REG_SZ, std::string(1024, 'x')},
                             {"1025 bytes", REG_SZ, withZero(std::string(1024, 'x'))},
                         },
                         KeyAccess::readOnly);
    ASSERT_EQ(key.status(), ERROR_SUCCESS);

    struct Case {
        std::string_view name;
        std::string_view keyName;
        bool found;
        std::string text;  // KeyVal afterwards; it starts as "before"
    };
    const Case cases[] = {
        {"with zero", keyName, true, path},
        {"without zero", keyName, true, path},
        {"only a zero", keyName, true, ""},
        {"dword", keyName, true, "-2"},
        {"expandable", keyName, true, "before"},
        {"1024 bytes", keyName, true, std::string(1023, 'x')},
        {"1024 bytes without zero", keyName, true, std::string(1024, 'x')},
        {"1025 bytes", keyName, false, ""},
        {"missing value", keyName, false, ""},
        {"missing key", "SOFTWARE\\Sumora Tests\\Absent", false, ""},
    };
    NotingPlatform system;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "before";
        EXPECT_EQ(GetKeyValue(system, platform::hkeyLocalMachine, std::string(c.keyName),
                              std::string(c.name), text),
                  c.found);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(system.openKeys, 0) << "a key was left open";
    }
    for (const std::uint32_t access : system.accessMasks) {
        EXPECT_EQ(access & platform::keyWriteRights, 0u) << "asked to change the key";
    }
}

TEST_F(AboutActionsTest, GetKeyValueRaisesOnAnEmptyValueAndClosesTheKey) {
    const ScratchKey key("SOFTWARE\\Sumora Tests\\About", {{"PATH", REG_SZ, ""}},
                         KeyAccess::readOnly);
    ASSERT_EQ(key.status(), ERROR_SUCCESS);
    NotingPlatform system;
    std::string text;
    EXPECT_THROW(GetKeyValue(system, platform::hkeyLocalMachine, "SOFTWARE\\Sumora Tests\\About",
                             "PATH", text),
                 platform::PlatformError);
    EXPECT_EQ(system.openKeys, 0);
}

// The two places where the system-information tool is registered, and what each case puts there.
constexpr std::string_view toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST_F(AboutActionsTest, StartSysInfoStartsTheRegisteredTool) {
    const ScratchFolder folder("sumora about");
    const std::string toolFolder = folder.path() + "\\Program Files\\Info Tool";
    const std::string tool = toolFolder + "\\info tool.exe";
    const std::string sharedFolder = folder.path() + "\\Shared Tools\\MSInfo";
    const std::string sharedTool = sharedFolder + "\\MSINFO32.EXE";
    ASSERT_TRUE(CreateDirectoryA((folder.path() + "\\Program Files").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(toolFolder.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder.path() + "\\Shared Tools").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(sharedFolder.c_str(), nullptr));
    ASSERT_TRUE(platform::test::installProbe(tool));

    struct Case {
        std::string_view name;
        std::vector<StoredValue> toolValues;    // under toolKey
        std::vector<StoredValue> folderValues;  // under folderKey
        bool sharedToolExists;
        std::string started;  // "" when nothing may start
    };
    const std::vector<StoredValue> sharedFolderValue = {{"MSINFO", REG_SZ, withZero(sharedFolder)}};
    const Case cases[] = {
        {"path registered", {{"PATH", REG_SZ, withZero(tool)}}, sharedFolderValue, true, tool},
        {"path without its zero", {{"PATH", REG_SZ, tool}}, {}, false, tool},
        {"no path, folder holds the tool", {}, sharedFolderValue, true, sharedTool},
        {"no path, folder ends in a backslash",
         {},
         {{"MSINFO", REG_SZ, withZero(sharedFolder + "\\")}},
         true,
         sharedFolder + "\\\\MSINFO32.EXE"},
        {"path too long, folder holds the tool",
         {{"PATH", REG_SZ, withZero(std::string(1024, 'x'))}},
         sharedFolderValue,
         true,
         sharedTool},
        {"no path, folder lacks the tool", {}, sharedFolderValue, false, ""},
        {"path names a missing file",
         {{"PATH", REG_SZ, withZero(toolFolder + "\\absent.exe")}},
         sharedFolderValue,
         true,
         ""},
        {"path of another type", {{"PATH", REG_EXPAND_SZ, withZero(tool)}}, {}, false, ""},
        {"path is a number", {{"PATH", REG_DWORD, std::string(4, '\0')}}, {}, false, ""},
        {"path of size 0", {{"PATH", REG_SZ, ""}}, sharedFolderValue, true, ""},
        {"nothing registered", {}, {}, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA((tool + ".ran").c_str());
        DeleteFileA((sharedTool + ".ran").c_str());
        DeleteFileA(sharedTool.c_str());
        if (c.sharedToolExists) {
            ASSERT_TRUE(platform::test::installProbe(sharedTool));
        }
        std::optional<ScratchKey> toolValues;
        std::optional<ScratchKey> folderValues;
        if (!c.toolValues.empty()) {
            toolValues.emplace(std::string(toolKey), c.toolValues, KeyAccess::readOnly);
            ASSERT_EQ(toolValues->status(), ERROR_SUCCESS);
        }
        if (!c.folderValues.empty()) {
            folderValues.emplace(std::string(folderKey), c.folderValues, KeyAccess::readOnly);
            ASSERT_EQ(folderValues->status(), ERROR_SUCCESS);
        }

        NotingPlatform system;
        StartSysInfo(system);

        if (c.started.empty()) {
            EXPECT_EQ(system.messageBoxes, std::vector{unavailable});
            EXPECT_FALSE(probeRan(tool));
            EXPECT_FALSE(probeRan(sharedTool));
        } else {
            EXPECT_TRUE(system.messageBoxes.empty());
            ASSERT_FALSE(system.programStarts.empty());
            EXPECT_EQ(system.programStarts.back(), c.started);
            const std::string& ran = c.started == tool ? tool : sharedTool;
            EXPECT_EQ(probeReport(ran), '"' + c.started + '"');
        }
        EXPECT_EQ(system.openKeys, 0) << "a key was left open";
    }
}

TEST_F(AboutActionsTest, EmailLinkWithoutAMailProgram) {
    const LSTATUS removed = RegDeleteTreeA(HKEY_CLASSES_ROOT, "mailto");
    ASSERT_TRUE(removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND) << removed;

    NotingPlatform system;
    followEmailLink(system, emailTag(), emailCaption());
    // 31: no program is associated with the link.
    EXPECT_EQ(system.messageBoxes,
              (std::vector<NotingPlatform::MessageBoxCall>{
                  {"Unable to run web document (31)", MessageStyle::critical, "Web Access"}}));
}

TEST_F(AboutActionsTest, EmailLinkOpensTheMailProgram) {
    const ScratchFolder folder("sumora mail");
    const std::string mailer = folder.path() + "\\Mail Program\\mail.exe";
    ASSERT_TRUE(CreateDirectoryA((folder.path() + "\\Mail Program").c_str(), nullptr));
    ASSERT_TRUE(platform::test::installProbe(mailer));
    const ScratchKey association("SOFTWARE\\Classes\\mailto\\shell\\open\\command",
                                 {{"", REG_SZ, withZero('"' + mailer + "\" \"%1\"")}});
    ASSERT_EQ(association.status(), ERROR_SUCCESS);

    NotingPlatform system;
    followEmailLink(system, emailTag(), emailCaption());
    EXPECT_TRUE(system.messageBoxes.empty());
    EXPECT_EQ(probeReport(mailer), '"' + mailer + "\" \"mailto:sumora@example.com\"");
}

}  // namespace
}  // namespace sumora::dialogs
