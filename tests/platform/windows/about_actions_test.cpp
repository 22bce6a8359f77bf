// The About dialog's registry lookups and the start of the system-information tool, against the
// real registry, file system and process start. The keys are read-only, as an ordinary user
// finds HKEY_LOCAL_MACHINE.
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
#include "ui/forms/about_actions.h"
#include "wine_only.h"

namespace sumora::dialogs {
namespace {

using platform::test::NotingPlatform;
using platform::test::ScratchKey;
using platform::test::StoredValue;
using platform::test::withZero;

TEST(AboutActionsTest, ReadsTheToolsPathAndStartsItOnlyWhenUsable) {
    if (!platform::test::underWine()) {
        GTEST_SKIP() << "rewrites machine-wide registry keys; runs only in the test prefix";
    }
    const platform::test::ScratchFolder folder("sumora about");
    const std::string toolFolder = folder.path() + "\\Info Tool";
    const std::string tool = toolFolder + "\\info tool.exe";
    ASSERT_TRUE(CreateDirectoryA(toolFolder.c_str(), nullptr));
    ASSERT_TRUE(platform::test::installProbe(tool));

    struct Case {
        std::string_view name;
        std::optional<StoredValue> value;  // nothing: the key is missing
        std::optional<bool> found;         // nothing: GetKeyValue raises
        std::string text;                  // it starts as "before"
        bool starts;
    };
    const std::string x1024(1024, 'x');
    const Case cases[] = {
        {"text with zero", StoredValue{"PATH", REG_SZ, withZero(tool)}, true, tool, true},
        {"text without zero", StoredValue{"PATH", REG_SZ, tool}, true, tool, true},
        {"dword", StoredValue{"PATH", REG_DWORD, "\xFE\xFF\xFF\xFF"}, true, "-2", false},
        {"expandable", StoredValue{"PATH", REG_EXPAND_SZ, withZero(tool)}, true, "before", false},
        {"0 bytes", StoredValue{"PATH", REG_SZ, ""}, std::nullopt, "before", false},
        {"1024 bytes", StoredValue{"PATH", REG_SZ, x1024}, true, x1024, false},
        {"1025 bytes", StoredValue{"PATH", REG_SZ, withZero(x1024)}, false, "", false},
        {"missing value", StoredValue{"OTHER", REG_SZ, withZero(tool)}, false, "", false},
        {"missing key", std::nullopt, false, "", false},
    };
    const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA((tool + ".ran").c_str());
        std::optional<ScratchKey> key;
        if (c.value) {
            key.emplace(toolKey, std::vector{*c.value});
            ASSERT_EQ(key->status(), ERROR_SUCCESS);
        }
        NotingPlatform system;
        std::string text = "before";
        if (c.found) {
            EXPECT_EQ(GetKeyValue(system, platform::hkeyLocalMachine, toolKey, "PATH", text),
                      *c.found);
        } else {
            EXPECT_THROW(GetKeyValue(system, platform::hkeyLocalMachine, toolKey, "PATH", text),
                         platform::PlatformError);
        }
        EXPECT_EQ(text, c.text);

        StartSysInfo(system);
        EXPECT_EQ(system.openKeys, 0) << "a key was left open";
        if (c.starts) {
            EXPECT_TRUE(system.messageBoxes.empty());
            EXPECT_EQ(platform::test::probeReport(tool), '"' + tool + '"');
        } else {
            EXPECT_EQ(system.messageBoxes, (std::vector<NotingPlatform::MessageBoxCall>{
                                               {"System Information Is Unavailable At This Time",
                                                MessageStyle::okOnly, "Sumora"}}));
            EXPECT_FALSE(platform::test::probeRan(tool));
        }
    }
}

}  // namespace
}  // namespace sumora::dialogs
