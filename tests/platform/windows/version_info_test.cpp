// The version information that the resource script gives an executable, read back out of this
// test executable, which is built with the same script.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

TEST(VersionInfoTest, EveryFieldReadsBack) {
    char self[MAX_PATH];
    const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(block.empty()) << "no version information";
    ASSERT_TRUE(
        GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const auto entry = [&](const std::string& subBlock) {
        void* data = nullptr;
        UINT size = 0;
        return VerQueryValueA(block.data(), subBlock.c_str(), &data, &size)
                   ? std::string_view(static_cast<const char*>(data), size)
                   : std::string_view();
    };

    const std::string_view fixed = entry("\\");
    ASSERT_EQ(fixed.size(), sizeof(VS_FIXEDFILEINFO));
    const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(fixed.data());
    EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
    // 1.0.0.0: the major and minor numbers in the high word, the last two in the low word.
    EXPECT_EQ(info->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwFileVersionLS, 0u);
    EXPECT_EQ(info->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwProductVersionLS, 0u);
    EXPECT_EQ(info->dwFileFlags & info->dwFileFlagsMask, 0u) << "debug, pre-release or private";
    EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_APP));

    const std::string_view translations = entry("\\VarFileInfo\\Translation");
    ASSERT_EQ(translations.size(), 2 * sizeof(WORD));
    const auto* pair = reinterpret_cast<const WORD*>(translations.data());
    EXPECT_EQ(pair[0], 0x0409) << "US English";
    EXPECT_EQ(pair[1], 1200) << "Unicode";

    const std::pair<std::string_view, std::string_view> texts[] = {
        {"CompanyName", "NIL"},
        {"ProductName", "Sumora"},
        {"FileDescription", "Sumora"},
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"InternalName", "Sumora"},
        {"OriginalFilename", "Sumora.exe"},
    };
    for (const auto& [key, value] : texts) {
        SCOPED_TRACE(key);
        const std::string_view text = entry("\\StringFileInfo\\040904B0\\" + std::string(key));
        // The size counts the terminating zero.
        EXPECT_EQ(std::string(text.data(), text.empty() ? 0 : text.size() - 1), value);
    }
}

}  // namespace
