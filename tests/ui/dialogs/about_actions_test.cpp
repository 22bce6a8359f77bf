#include "ui/dialogs/about_actions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fake_platform.h"

namespace sumora::dialogs {
namespace {

using platform::FakePlatform;
using platform::hkeyLocalMachine;
using Bytes = std::vector<unsigned char>;

constexpr std::string_view toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view toolPath =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
constexpr std::string_view toolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const FakePlatform::MessageBoxCall unavailable{"System Information Is Unavailable At This Time",
                                               MessageStyle::okOnly, "Sumora"};

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

void expectEveryKeyOpenedForReadingAndClosed(const FakePlatform& fake) {
    for (const auto& open : fake.keyOpens) {
        EXPECT_EQ(open.access & platform::keyWriteRights, 0U) << open.subKey;
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
    } cases[] = {
        {"text loses its final zero", platform::regSz, bytesOf({"tool\0", 5}), true, "tool"},
        {"text without final zero is taken whole", platform::regSz, bytesOf("tool"), true, "tool"},
        {"only the final zero", platform::regSz, Bytes{0}, true, ""},
        {"only the last of two zeros goes", platform::regSz, bytesOf({"ab\0\0", 4}), true,
         std::string("ab\0", 3)},
        {"1024 bytes without zero", platform::regSz, Bytes(1024, 'x'), true,
         std::string(1024, 'x')},
        {"1024 bytes ending in zero", platform::regSz,
         [] {
             Bytes data(1024, 'x');
             data.back() = 0;
             return data;
         }(),
         true, std::string(1023, 'x')},
        {"1025 bytes fail", platform::regSz, Bytes(1025, 'x'), false, ""},
        {"dword", platform::regDword, Bytes{5, 0, 0, 0}, true, "5"},
        {"dword with a zero byte inside", platform::regDword, Bytes{5, 0, 1, 0}, true, "65541"},
        {"dword all ones is -1", platform::regDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF}, true, "-1"},
        {"dword lowest", platform::regDword, Bytes{0, 0, 0, 0x80}, true, "-2147483648"},
        {"other type leaves the text", platform::regExpandSz, bytesOf({"%windir%\0", 9}), true,
         "unchanged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.setValue(hkeyLocalMachine, toolKey, "PATH", c.type, c.data);
        std::string text = "unchanged";

        EXPECT_EQ(GetKeyValue(fake, hkeyLocalMachine, std::string(toolKey), "PATH", text), c.want);

        EXPECT_EQ(text, c.wantText);
        expectEveryKeyOpenedForReadingAndClosed(fake);
    }
}

TEST(GetKeyValueTest, FailsWithEmptyTextWhenNothingCanBeRead) {
    const struct Case {
        std::string_view name;
        std::function<void(FakePlatform&)> script;
    } cases[] = {
        {"no key", [](FakePlatform&) {}},
        {"no value",
         [](FakePlatform& fake) { fake.setString(hkeyLocalMachine, toolKey, "OTHER", "x"); }},
        {"key refused",
         [](FakePlatform& fake) {
             fake.setString(hkeyLocalMachine, toolKey, "PATH", "x");
             fake.failOpen(hkeyLocalMachine, toolKey, platform::errorAccessDenied);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        c.script(fake);
        std::string text = "unchanged";

        EXPECT_FALSE(GetKeyValue(fake, hkeyLocalMachine, std::string(toolKey), "PATH", text));

        EXPECT_EQ(text, "");
        expectEveryKeyOpenedForReadingAndClosed(fake);
    }
}

TEST(GetKeyValueTest, ValueOfSizeZeroRaisesAfterClosingTheKey) {
    FakePlatform fake;
    fake.setValue(hkeyLocalMachine, toolKey, "PATH", platform::regSz, {});
    std::string text;

    EXPECT_THROW(GetKeyValue(fake, hkeyLocalMachine, std::string(toolKey), "PATH", text),
                 platform::PlatformError);

    expectEveryKeyOpenedForReadingAndClosed(fake);
}

TEST(StartSysInfoTest, StartsTheToolOrSaysItIsUnavailable) {
    const std::string toolFile = std::string(toolFolder) + "\\MSINFO32.EXE";
    const struct Case {
        std::string_view name;
        std::function<void(FakePlatform&)> script;
        std::vector<std::string> wantStarts;
        std::size_t wantKeyOpens;
        bool wantUnavailable;
    } cases[] = {
        {"first lookup started unchanged, blanks and all",
         [](FakePlatform& fake) {
             fake.setString(hkeyLocalMachine, toolKey, "PATH", toolPath);
             fake.existingFiles = {std::string(toolPath)};
         },
         {std::string(toolPath)},
         1,
         false},
        {"first lookup not checked for a file, and a failed start is not retried",
         [&](FakePlatform& fake) {
             fake.setString(hkeyLocalMachine, toolKey, "PATH", toolPath);
             fake.setString(hkeyLocalMachine, folderKey, "MSINFO", toolFolder);
             fake.existingFiles = {std::string(toolPath), toolFile};
             fake.startSucceeds = false;
         },
         {std::string(toolPath)},
         1,
         true},
        {"second lookup with the tool file",
         [&](FakePlatform& fake) {
             fake.setString(hkeyLocalMachine, folderKey, "MSINFO", toolFolder);
             fake.existingFiles = {toolFile};
         },
         {toolFile},
         2,
         false},
        {"second lookup of a folder ending in a separator",
         [](FakePlatform& fake) {
             fake.setString(hkeyLocalMachine, folderKey, "MSINFO", std::string(toolFolder) + "\\");
             fake.existingFiles = {std::string(toolPath)};
         },
         {std::string(toolFolder) + "\\\\MSINFO32.EXE"},
         2,
         false},
        {"first lookup naming no file",
         [](FakePlatform& fake) { fake.setString(hkeyLocalMachine, toolKey, "PATH", toolPath); },
         {std::string(toolPath)},
         1,
         true},
        {"second lookup without the tool file",
         [](FakePlatform& fake) {
             fake.setString(hkeyLocalMachine, folderKey, "MSINFO", toolFolder);
         },
         {},
         2,
         true},
        {"neither lookup", [](FakePlatform&) {}, {}, 2, true},
        {"first lookup of another type starts nothing",
         [](FakePlatform& fake) {
             fake.setValue(hkeyLocalMachine, toolKey, "PATH", platform::regExpandSz,
                           bytesOf({"%windir%\0", 9}));
             fake.setString(hkeyLocalMachine, folderKey, "MSINFO", toolFolder);
         },
         {""},
         1,
         true},
        {"first lookup of size zero ends the search",
         [](FakePlatform& fake) {
             fake.setValue(hkeyLocalMachine, toolKey, "PATH", platform::regSz, {});
             fake.setString(hkeyLocalMachine, folderKey, "MSINFO", toolFolder);
         },
         {},
         1,
         true},
        {"first lookup too long falls back to the second",
         [&](FakePlatform& fake) {
             fake.setValue(hkeyLocalMachine, toolKey, "PATH", platform::regSz, Bytes(1025, 'x'));
             fake.setString(hkeyLocalMachine, folderKey, "MSINFO", toolFolder);
             fake.existingFiles = {toolFile};
         },
         {toolFile},
         2,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        c.script(fake);

        StartSysInfo(fake);

        EXPECT_EQ(fake.programStarts, c.wantStarts);
        EXPECT_EQ(fake.keyOpens.size(), c.wantKeyOpens);
        const auto wantBoxes = c.wantUnavailable
                                   ? std::vector<FakePlatform::MessageBoxCall>{unavailable}
                                   : std::vector<FakePlatform::MessageBoxCall>{};
        EXPECT_EQ(fake.messageBoxes, wantBoxes);
        expectEveryKeyOpenedForReadingAndClosed(fake);
    }
}

TEST(EmailLinkTest, OpensTheLinkAndReportsFailures) {
    const struct Case {
        std::string_view name;
        std::string tag;
        std::string caption;
        std::intptr_t shellResult;
        std::optional<platform::PlatformError> raised;
        std::string wantLink;
        std::string wantPrompt;  // "" for no message
    } cases[] = {
        {"opened", emailTag(), emailCaption(), 42, std::nullopt, "mailto:sumora@example.com", ""},
        {"lowest success", emailTag(), emailCaption(), 33, std::nullopt,
         "mailto:sumora@example.com", ""},
        {"no mail program", emailTag(), emailCaption(), 31, std::nullopt,
         "mailto:sumora@example.com", "Unable to run web document (31)"},
        {"highest failure", emailTag(), emailCaption(), 32, std::nullopt,
         "mailto:sumora@example.com", "Unable to run web document (32)"},
        {"negative result", emailTag(), emailCaption(), -1, std::nullopt,
         "mailto:sumora@example.com", "Unable to run web document (-1)"},
        {"raised error alone is shown", emailTag(), emailCaption(), 0,
         platform::PlatformError("File not found: SHELL32.DLL", 53), "mailto:sumora@example.com",
         "File not found: SHELL32.DLL (53)"},
        {"template with the caption and blanks", "mailto:%APP%?subject=Sumora %APP%",
         emailCaption(), 42, std::nullopt,
         "mailto:sumora@example.com%20?subject=Sumora%20sumora@example.com%20", ""},
        {"replacements are not replaced again", "%APP%", "%APP% and %APP%", 42, std::nullopt,
         "%APP%%20and%20%APP%", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.shellOpenResult = c.shellResult;
        fake.shellOpenRaises = c.raised;

        followEmailLink(fake, c.tag, c.caption);

        EXPECT_EQ(fake.shellOpens, std::vector<std::string>{c.wantLink});
        const auto wantBoxes = c.wantPrompt.empty()
                                   ? std::vector<FakePlatform::MessageBoxCall>{}
                                   : std::vector<FakePlatform::MessageBoxCall>{
                                         {c.wantPrompt, MessageStyle::critical, "Web Access"}};
        EXPECT_EQ(fake.messageBoxes, wantBoxes);
    }
}

}  // namespace
}  // namespace sumora::dialogs
