// The file lookup against the real file system: only an ordinary file counts as found.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <string_view>

#include "platform/windows_platform.h"
#include "scratch_folder.h"

namespace sumora::platform {
namespace {

using test::ScratchFolder;

TEST(FileLookupTest, FindsOnlyOrdinaryFiles) {
    struct Case {
        std::string_view name;
        std::string_view file;
        DWORD attributes;  // 0: do not create the file
        std::string_view found;
    };
    const Case cases[] = {
        {"regular file", "MSINFO32.EXE", FILE_ATTRIBUTE_NORMAL, "MSINFO32.EXE"},
        {"hidden file", "hidden.exe", FILE_ATTRIBUTE_HIDDEN, ""},
        {"missing file", "absent.exe", 0, ""},
    };
    ScratchFolder folder("sumora lookup");
    WindowsPlatform platform;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.path() + '\\' + std::string(c.file);
        if (c.attributes != 0) {
            std::ofstream(path) << "contents";
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), c.attributes));
            const DWORD kept = c.attributes & ~DWORD{FILE_ATTRIBUTE_NORMAL};
            ASSERT_EQ(GetFileAttributesA(path.c_str()) & kept, kept)
                << "the file system here does not keep this attribute";
        }
        EXPECT_EQ(platform.findFile(path), c.found);
    }
}

}  // namespace
}  // namespace sumora::platform
