// The version information and icon that the resource script gives an executable, read back out
// of this test executable, which is built with the same script.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<char> ownVersionBlock() {
    char self[MAX_PATH];
    const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    if (block.empty() ||
        !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        block.clear();
    }
    return block;
}

class VersionInfoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(block_.empty()) << "no version information"; }

    // The entry at `subBlock`, or nothing when the block lacks it.
    std::string_view entry(const std::string& subBlock) {
        void* data = nullptr;
        UINT size = 0;
        if (!VerQueryValueA(block_.data(), subBlock.c_str(), &data, &size)) {
            return {};
        }
        return {static_cast<const char*>(data), size};
    }

    std::vector<char> block_ = ownVersionBlock();
};

TEST_F(VersionInfoTest, NumbersFlagsAndType) {
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
}

TEST_F(VersionInfoTest, OneLanguageUsEnglishUnicode) {
    const std::string_view translations = entry("\\VarFileInfo\\Translation");
    ASSERT_EQ(translations.size(), 2 * sizeof(WORD));
    const auto* pair = reinterpret_cast<const WORD*>(translations.data());
    EXPECT_EQ(pair[0], 0x0409) << "US English";
    EXPECT_EQ(pair[1], 1200) << "Unicode";
}

TEST_F(VersionInfoTest, Texts) {
    struct Case {
        std::string_view key;
        std::string_view value;
    };
    const Case cases[] = {
        {"CompanyName", "NIL"},
        {"ProductName", "Sumora"},
        {"FileDescription", "Sumora"},
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"InternalName", "Sumora"},
        {"OriginalFilename", "Sumora.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const std::string_view text = entry("\\StringFileInfo\\040904B0\\" + std::string(c.key));
        // The size counts the terminating zero.
        EXPECT_EQ(std::string(text.data(), text.empty() ? 0 : text.size() - 1), c.value);
    }
}

// The icon directory as the resource holds it (GRPICONDIR and its GRPICONDIRENTRY items).
#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct IconGroup {
    WORD reserved;
    WORD type;
    WORD count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

TEST(IconTest, OneImageOf32By32In16Colours) {
    const HRSRC found = FindResourceA(nullptr, "IDI_ICON1", RT_GROUP_ICON);
    ASSERT_NE(found, nullptr) << "no icon group";
    ASSERT_GE(SizeofResource(nullptr, found), sizeof(IconGroup));
    const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_EQ(group->count, 1);
    const IconGroupEntry& image = group->entries[0];
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.colorCount, 16);
    EXPECT_EQ(image.bitCount, 4);

    // The image itself: a bitmap twice as high as the icon (colours, then the mask).
    const HRSRC bitmap = FindResourceA(nullptr, MAKEINTRESOURCEA(image.id), RT_ICON);
    ASSERT_NE(bitmap, nullptr) << "no icon image";
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, bitmap)));
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64);
    EXPECT_EQ(header->biBitCount, 4);
}

}  // namespace
