// The fake gives the answers that the real Win32 calls give to the same requests.
#include "platform/fake_platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

namespace sumora::platform {
namespace {

long openKey(FakePlatform& fake, const std::string& subKey, std::uint32_t access = keyRead) {
    RegKey key = 0;
    const long result = fake.regOpenKeyEx(hkeyLocalMachine, subKey, 0, access, key);
    if (result == errorSuccess) {
        fake.regCloseKey(key);
    }
    return result;
}

TEST(FakePlatformTest, AnswersAsTheWin32CallsDo) {
    const std::string tool = "C:\\Program Files\\info tool.exe";
    const struct Case {
        std::string_view name;
        std::function<bool(FakePlatform&)> holds;
    } cases[] = {
        {"file found in any case and slash",
         [](auto& f) { return f.findFile("c:/program files//INFO TOOL.EXE") == "INFO TOOL.EXE"; }},
        {"wildcards find nothing",
         [](auto& f) { return f.findFile("C:\\Program Files\\*.exe").empty(); }},
        {"program with blanks starts by its path", [&](auto& f) { return f.startProgram(tool); }},
        {"bare name is not searched for", [](auto& f) { return !f.startProgram("info tool.exe"); }},
        {"only programs start",
         [](auto& f) { return !f.startProgram("C:\\Program Files\\notes.txt"); }},
        {"key names ignore case and a trailing separator",
         [](auto& f) { return openKey(f, "software\\SUMORA\\") == errorSuccess; }},
        {"leading separator",
         [](auto& f) { return openKey(f, "\\SOFTWARE\\Sumora") == errorBadPathname; }},
        {"root refuses write access",
         [](auto& f) { return openKey(f, "", keyRead | keyWriteRights) == errorAccessDenied; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.existingFiles = {tool, "C:\\Program Files\\notes.txt"};
        fake.setString(hkeyLocalMachine, "SOFTWARE\\Sumora", "Path", "x");
        EXPECT_TRUE(c.holds(fake));
        EXPECT_EQ(fake.openKeyCount(), 0U);
    }
}

}  // namespace
}  // namespace sumora::platform
