// The About dialog's first tool lookup and the start of the tool against the real registry, file
// system and process start, with the rows that the fake registry answers too. The keys are
// read-only, as an ordinary user finds HKEY_LOCAL_MACHINE.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "noting_platform.h"
#include "probe.h"
#include "scratch_folder.h"
#include "scratch_key.h"
#include "tests/ui/forms/tool_lookup_cases.h"
#include "wine_only.h"

namespace sumora::dialogs {
namespace {

TEST(AboutActionsTest, ReadsTheToolsPathAndStartsItOnlyWhenUsable) {
    if (!platform::test::underWine()) {
        GTEST_SKIP() << "rewrites machine-wide registry keys; runs only in the test prefix";
    }
    const platform::test::ScratchFolder folder("sumora about");
    const std::string toolFolder = folder.path() + "\\Info Tool";
    const std::string tool = toolFolder + "\\info tool.exe";
    ASSERT_TRUE(CreateDirectoryA(toolFolder.c_str(), nullptr));
    ASSERT_TRUE(platform::test::installProbe(tool));

    for (const auto& c : test::toolLookupCases(tool)) {
        SCOPED_TRACE(c.name);
        DeleteFileA((tool + ".ran").c_str());
        std::optional<platform::test::ScratchKey> key;
        if (!c.valueName.empty()) {
            key.emplace(test::toolKey,
                        std::vector<platform::test::StoredValue>{{c.valueName, c.type, c.bytes}});
            ASSERT_EQ(key->status(), ERROR_SUCCESS);
        }
        platform::test::NotingPlatform system;
        test::checkToolLookup(
            system, c, system.messageBoxes,
            [&] {
                return c.starts ? platform::test::probeReport(tool) == '"' + tool + '"'
                                : platform::test::probeRan(tool);
            },
            [&] { return static_cast<std::size_t>(system.openKeys); });
    }
}

}  // namespace
}  // namespace sumora::dialogs
