// The About dialog's first tool lookup and the start of the tool against the real registry, file
// system and process start, with the rows that the fake registry answers too. The keys are
// read-only, as an ordinary user finds HKEY_LOCAL_MACHINE.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "real_system.h"
#include "tests/ui/forms/tool_lookup_cases.h"

namespace sumora::forms {
namespace {

using namespace platform::test;

TEST(AboutActionsTest, ReadsTheToolsPathAndStartsItOnlyWhenUsable) {
    if (!underWine()) {
        GTEST_SKIP() << "rewrites machine-wide registry keys; runs only in the test prefix";
    }
    const ScratchFolder folder("sumora about");
    const std::string tool = folder.path + "\\Info Tool\\info tool.exe";
    ASSERT_TRUE(std::filesystem::create_directory(folder.path + "\\Info Tool"));
    ASSERT_TRUE(installProbe(tool));

    for (const auto& c : test::toolLookupCases(tool)) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(tool + ".ran");
        std::optional<ScratchKey> key;
        if (!c.valueName.empty()) {
            key.emplace(test::toolKey, c.valueName, c.type, c.bytes);
        }
        NotingPlatform system;
        test::checkToolLookup(system, c, [&] {
            return c.starts ? probeReport(tool) == '"' + tool + '"'
                            : std::filesystem::exists(tool + ".ran");
        });
    }
}

}  // namespace
}  // namespace sumora::forms
