#include "support/FileSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

TEST(Win32FileSystem, AReadOnlyFileIsNotReplaced) {
    TTempDir dir;
    dir.WriteFile("frmPLUX.ini", "old");
    const std::string path = dir.PathOf("frmPLUX.ini");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(PlatformFileSystem().WriteFile(path, "new"));
    EXPECT_EQ(dir.ReadFile("frmPLUX.ini"), "old");
    // The folder holds nothing else, no temporary either.
    EXPECT_EQ(PlatformFileSystem().FindEntries(dir.PathOf("*.~*")).size(), 0u);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));

    EXPECT_TRUE(PlatformFileSystem().WriteFile(path, "new"));
    EXPECT_EQ(dir.ReadFile("frmPLUX.ini"), "new");
}

}  // namespace
