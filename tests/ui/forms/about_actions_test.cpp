#include "ui/forms/about_actions.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/platform/fake_platform.h"
#include "tests/ui/forms/tool_lookup_cases.h"

namespace sumora::forms {
namespace {

using platform::FakePlatform;
using platform::hkeyLocalMachine;
using Boxes = std::vector<FakePlatform::MessageBoxCall>;

constexpr std::string_view folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string toolFolder = "C:\\Program Files\\MSInfo";
const std::string toolFile = toolFolder + "\\MSINFO32.EXE";

TEST(AboutActionsTest, FirstToolLookupReadsEachTypeAndSize) {
    const std::string tool = toolFolder + "\\msinfo32.exe";
    for (const auto& c : test::toolLookupCases(tool)) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        if (!c.valueName.empty()) {
            fake.setValue(hkeyLocalMachine, test::toolKey, c.valueName, c.type, c.bytes);
        }
        fake.existingFiles = {tool};
        test::checkToolLookup(fake, c, [&] { return fake.programStarts == std::vector{tool}; });
    }
}

// Without the first value the tool file is looked for in the folder that the second one names; a
// tool that was found but does not start is not looked for again.
TEST(AboutActionsTest, SecondToolLookupAndFailedStart) {
    const struct Case {
        std::string_view name;
        bool firstLookup, toolThere, startSucceeds;
    } cases[] = {
        {"failed start is not retried", true, true, false},
        {"second lookup with the tool file", false, true, true},
        {"second lookup without it", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        if (c.firstLookup) {
            fake.setValue(hkeyLocalMachine, test::toolKey, "PATH", platform::regSz, toolFile);
        }
        fake.setValue(hkeyLocalMachine, folderKey, "MSINFO", platform::regSz, toolFolder);
        fake.existingFiles = c.toolThere ? std::set{toolFile} : std::set<std::string>{};
        fake.startSucceeds = c.startSucceeds;

        StartSysInfo(fake);

        EXPECT_EQ(fake.programStarts,
                  c.toolThere ? std::vector{toolFile} : std::vector<std::string>{});
        EXPECT_EQ(fake.messageBoxes.size(), c.toolThere && c.startSucceeds ? 0U : 1U);
        EXPECT_EQ(fake.openKeyCount(), 0U);
    }
}

// Resolved against the current folder, a relative path could start a program planted there.
TEST(AboutActionsTest, RelativeToolPathsAreUnavailable) {
    for (const auto& [path, folder] : {std::pair{"MSINFO32.EXE", ""}, std::pair{"", "MSInfo"}}) {
        SCOPED_TRACE(std::string(path) + folder);
        FakePlatform fake;
        fake.setValue(hkeyLocalMachine, test::toolKey, *path ? "PATH" : "-", platform::regSz, path);
        fake.setValue(hkeyLocalMachine, folderKey, "MSINFO", platform::regSz, folder);
        fake.existingFiles = {"MSINFO32.EXE", "MSInfo\\MSINFO32.EXE"};
        StartSysInfo(fake);
        EXPECT_EQ(fake.programStarts, std::vector<std::string>{});
        EXPECT_EQ(fake.messageBoxes.size(), 1U);
    }
}

TEST(AboutActionsTest, EmailLinkOpensAndReportsFailures) {
    const struct Case {
        std::string_view name;
        std::intptr_t shellResult;
        std::optional<platform::PlatformError> raised;
        std::string wantPrompt;  // "" for no message
    } cases[] = {
        {"lowest success", 33, std::nullopt, ""},
        {"highest failure", 32, std::nullopt, "Unable to run web document (32)"},
        {"raised error alone is shown", 0,
         platform::PlatformError("File not found: SHELL32.DLL", 53),
         "File not found: SHELL32.DLL (53)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.shellOpenResult = c.shellResult;
        fake.shellOpenRaises = c.raised;

        followEmailLink(fake, emailTag(), emailCaption());

        EXPECT_EQ(fake.shellOpens, std::vector<std::string>{"mailto:sumora@example.com"});
        const Boxes want =
            c.wantPrompt.empty()
                ? Boxes{}
                : Boxes{{c.wantPrompt, platform::MessageStyle::critical, "Web Access"}};
        EXPECT_EQ(fake.messageBoxes, want);
    }
}

}  // namespace
}  // namespace sumora::forms
