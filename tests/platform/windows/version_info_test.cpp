// The version information of the built Sumora.exe, which stands three folders above this test
// executable in the build tree.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(VersionInfoTest, EveryFieldReadsBack) {
    char self[MAX_PATH];
    std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    path = path.substr(0, path.find_last_of('\\')) + "\\..\\..\\..\\Sumora.exe";
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), nullptr));
    ASSERT_TRUE(
        GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const auto entry = [&](const std::string& subBlock) {
        char* data = nullptr;
        UINT size = 0;
        VerQueryValueA(block.data(), subBlock.c_str(), reinterpret_cast<void**>(&data), &size);
        return data == nullptr ? std::string() : std::string(data, size);
    };

    const std::string fixed = entry("\\");
    ASSERT_EQ(fixed.size(), sizeof(VS_FIXEDFILEINFO));
    const auto& info = *reinterpret_cast<const VS_FIXEDFILEINFO*>(fixed.data());
    // 1.0.0.0: the major and minor numbers in the high word, the last two in the low word; no
    // debug, pre-release or private flag.
    EXPECT_EQ((std::vector<DWORD>{info.dwFileVersionMS, info.dwFileVersionLS,
                                  info.dwProductVersionMS, info.dwProductVersionLS,
                                  info.dwFileFlags & info.dwFileFlagsMask, info.dwFileType}),
              (std::vector<DWORD>{0x00010000, 0, 0x00010000, 0, 0, VFT_APP}));
    // US English (0x0409) in Unicode (1200 = 0x04B0), as two little-endian words.
    EXPECT_EQ(entry("\\VarFileInfo\\Translation"), std::string("\x09\x04\xB0\x04", 4));

    const std::pair<const char*, const char*> texts[] = {{"CompanyName", "NIL"},
                                                         {"ProductName", "Sumora"},
                                                         {"FileDescription", "Sumora"},
                                                         {"FileVersion", "1.00"},
                                                         {"ProductVersion", "1.00"},
                                                         {"InternalName", "Sumora"},
                                                         {"OriginalFilename", "Sumora.exe"}};
    for (const auto& [key, value] : texts) {
        // The size counts the terminating zero.
        EXPECT_EQ(entry(std::string("\\StringFileInfo\\040904B0\\") + key),
                  std::string(value) + '\0')
            << key;
    }
}

}  // namespace
