#include "ui/forms/about_actions.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/platform/fake_platform.h"

namespace sumora::dialogs {
namespace {

using platform::FakePlatform;
using platform::hkeyLocalMachine;
using Bytes = std::vector<unsigned char>;

const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string toolPath = "C:\\Program Files\\MSInfo\\msinfo32.exe";
const std::string toolFolder = "C:\\Program Files\\MSInfo";
const std::string toolFile = toolFolder + "\\MSINFO32.EXE";

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

void expectEveryKeyOpenedForReadingAndClosed(const FakePlatform& fake) {
    for (const std::uint32_t access : fake.keyOpenAccesses) {
        EXPECT_EQ(access & platform::keyWriteRights, 0U);
    }
    EXPECT_EQ(fake.openKeyCount(), 0U);
}

TEST(GetKeyValueTest, ReadsValuesOfEachTypeAndSize) {
    const struct Case {
        std::string_view name;
        std::uint32_t type;
        Bytes data;
        bool want;
        std::string wantText;
        bool raises = false;
    } cases[] = {
        {"text loses its final zero", platform::regSz, bytesOf({"tool\0", 5}), true, "tool"},
        {"1024 bytes", platform::regSz, Bytes(1024, 'x'), true, std::string(1024, 'x')},
        {"1025 bytes fail", platform::regSz, Bytes(1025, 'x'), false, ""},
        {"dword is signed", platform::regDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF}, true, "-1"},
        {"other type leaves the text", platform::regExpandSz, bytesOf("%windir%"), true,
         "unchanged"},
        {"size 0 raises", platform::regSz, {}, false, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.setValue(hkeyLocalMachine, toolKey, "PATH", c.type, c.data);
        std::string text = "unchanged";
        if (c.raises) {
            EXPECT_THROW(GetKeyValue(fake, hkeyLocalMachine, toolKey, "PATH", text),
                         platform::PlatformError);
        } else {
            EXPECT_EQ(GetKeyValue(fake, hkeyLocalMachine, toolKey, "PATH", text), c.want);
            EXPECT_EQ(text, c.wantText);
        }
        expectEveryKeyOpenedForReadingAndClosed(fake);
    }
}

// The tools' folder is recorded in every case, so each row shows whether the search goes on.
TEST(StartSysInfoTest, StartsTheToolOrSaysItIsUnavailable) {
    const struct Case {
        std::string_view name;
        std::optional<Bytes> firstLookup;  // the tool's path, as text unless `type` says otherwise
        std::set<std::string> files;
        bool startSucceeds;
        std::vector<std::string> wantStarts;
        std::uint32_t type = platform::regSz;
    } cases[] = {
        {"first lookup started unchanged", bytesOf(toolPath), {toolPath}, true, {toolPath}},
        {"failed start is not retried", bytesOf(toolPath), {toolFile}, false, {toolPath}},
        {"second lookup with the tool file", std::nullopt, {toolFile}, true, {toolFile}},
        {"second lookup without it", std::nullopt, {}, true, {}},
        {"first lookup of size zero ends the search", Bytes{}, {toolFile}, true, {}},
        {"first lookup of another type", bytesOf("%x%"), {}, true, {""}, platform::regExpandSz},
    };
    const std::vector<FakePlatform::MessageBoxCall> unavailable{
        {"System Information Is Unavailable At This Time", MessageStyle::okOnly, "Sumora"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        if (c.firstLookup) {
            fake.setValue(hkeyLocalMachine, toolKey, "PATH", c.type, *c.firstLookup);
        }
        fake.setValue(hkeyLocalMachine, folderKey, "MSINFO", platform::regSz, bytesOf(toolFolder));
        fake.existingFiles = c.files;
        fake.startSucceeds = c.startSucceeds;

        StartSysInfo(fake);

        EXPECT_EQ(fake.programStarts, c.wantStarts);
        const bool started = !c.wantStarts.empty() && c.startSucceeds && !c.wantStarts[0].empty();
        EXPECT_EQ(fake.messageBoxes, started ? decltype(unavailable){} : unavailable);
        expectEveryKeyOpenedForReadingAndClosed(fake);
    }
}

TEST(EmailLinkTest, OpensTheLinkAndReportsFailures) {
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
        using Boxes = std::vector<FakePlatform::MessageBoxCall>;
        const Boxes want = c.wantPrompt.empty()
                               ? Boxes{}
                               : Boxes{{c.wantPrompt, MessageStyle::critical, "Web Access"}};
        EXPECT_EQ(fake.messageBoxes, want);
    }
}

}  // namespace
}  // namespace sumora::dialogs
