#pragma once

// The first registry lookup of the system-information tool, one table for every registry: the
// fake one on every build and the real one under Wine. Each row stores a value under the tool's
// key, reads it with GetKeyValue and then runs StartSysInfo.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/platform/fake_platform.h"
#include "ui/forms/about_actions.h"

namespace sumora::forms::test {

inline const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct ToolLookupCase {
    std::string_view name;
    std::string_view valueName;  // "": the key is missing
    std::uint32_t type;
    std::string bytes;
    std::optional<bool> found;  // nothing: GetKeyValue raises
    std::string text;           // the text read; it starts as "before"
    bool starts;                // the tool is started, with no message
};

// The rows for a tool installed at `tool`.
inline std::vector<ToolLookupCase> toolLookupCases(const std::string& tool) {
    using platform::regSz;
    const std::string x1024(1024, 'x');
    return {
        {"text with zero", "PATH", regSz, tool + '\0', true, tool, true},
        {"text without zero", "PATH", regSz, tool, true, tool, true},
        {"dword is signed", "PATH", platform::regDword, "\xFE\xFF\xFF\xFF", true, "-2", false},
        {"other type leaves the text", "PATH", platform::regExpandSz, tool + '\0', true, "before",
         false},
        {"0 bytes raise", "PATH", regSz, "", std::nullopt, "before", false},
        {"1024 bytes", "PATH", regSz, x1024, true, x1024, false},
        {"1025 bytes fail", "PATH", regSz, x1024 + '\0', false, "", false},
        {"missing key", "", regSz, "", false, "", false},
    };
}

// Runs a row on `platform`, the fake or the noting one, whose registry already holds the row's
// value; `started` tells whether the tool ran.
void checkToolLookup(auto& platform, const ToolLookupCase& c, const auto& started) {
    std::string text = "before";
    if (c.found) {
        EXPECT_EQ(GetKeyValue(platform, platform::hkeyLocalMachine, toolKey, "PATH", text),
                  *c.found);
    } else {
        EXPECT_THROW(GetKeyValue(platform, platform::hkeyLocalMachine, toolKey, "PATH", text),
                     platform::PlatformError);
    }
    EXPECT_EQ(text, c.text);
    StartSysInfo(platform);
    EXPECT_EQ(platform.openKeyCount(), 0U) << "a key was left open";
    EXPECT_EQ(started(), c.starts);
    using Boxes = std::vector<platform::FakePlatform::MessageBoxCall>;
    const Boxes unavailable{{"System Information Is Unavailable At This Time",
                             platform::MessageStyle::okOnly, "Sumora"}};
    EXPECT_EQ(platform.messageBoxes, c.starts ? Boxes{} : unavailable);
}

}  // namespace sumora::forms::test
