#include "state/BarLayoutFile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/RaisedMessage.h"
#include "support/SmallBarDesign.h"
#include "support/TempDir.h"

namespace {

// The save goes through a sibling temporary that replaces the file; when the replace is refused (another
// program holds the file open without letting it go), the old layout stays whole and no temporary is
// left behind.
TEST(BarLayoutFileOnWindows, AFailedSaveKeepsTheOldFileWhole) {
    TTempDir dir;
    const std::string path = dir.PathOf("frmTest.bar.ini");
    dir.WriteFile("frmTest.bar.ini", "[Old]\r\nx=1\r\n");
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    TBarManager manager;
    BuildSmallBars(manager);
    const std::string prefix = BarLayoutPrefix("frmTest", "Bars");

    EXPECT_EQ(MessageOf([&] { SaveBarLayout(manager, prefix, path, PlatformFileSystem()); }),
              "Unable to write to " + path);
    EXPECT_EQ(dir.ReadFile("frmTest.bar.ini"), "[Old]\r\nx=1\r\n");
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(dir.PathOf("*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    int entries = 0;
    do {
        entries += found.cFileName[0] != '.';
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(entries, 1) << "no temporary left behind";

    CloseHandle(holder);
    SaveBarLayout(manager, prefix, path, PlatformFileSystem());
    EXPECT_EQ(dir.ReadFile("frmTest.bar.ini").substr(0, 15), "[Old]\r\nx=1\r\n\r\n[");
}

}  // namespace
