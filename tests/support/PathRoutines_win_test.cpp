#include "support/PathRoutines.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

std::string PlatformFullPath(const std::string& path) {
    char buffer[MAX_PATH * 2] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : "<failed>";
}

// Our resolution against the platform's own, from a real working folder; the other drive is one the
// working folder is not on.
TEST(PathRoutinesOnWindows, ExpandFileNameResolvesAsThePlatform) {
    TTempDir dir;
    ASSERT_TRUE(CreateDirectoryA(dir.PathOf("sub").c_str(), nullptr));
    const std::string current = dir.PathOf("sub");
    char previous[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryA(sizeof previous, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
    const std::string drive = current.substr(0, 2);
    const std::string otherDrive = drive == "C:" ? "D:" : "C:";
    const std::string paths[] = {
        "Data",
        "Data\\",
        ".\\a\\..\\b",
        "..\\..\\x",
        "\\Shared",
        "a/b",
        drive,
        drive + "x",
        drive + ".",
        otherDrive,
        otherDrive + "x",
        otherDrive + "\\a\\..\\..\\b",
        "Data. . ",
        "Data...\\",
        "a.\\b",
        "a. .\\b",
        "...\\b",
        "a\\...",
        " a ",
        "a\\\\b",
        ".",
        "..",
        "\\\\server\\share",
        "\\\\server\\share\\",
        "\\\\server\\share\\a\\..\\..",
        "\\\\server\\share\\a. ",
        "C:\\Users;x",
        "a\\. \\b",
        "a\\b.\\",
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ExpandFileName(path, current), PlatformFullPath(path));
    }
    SetCurrentDirectoryA(previous);
}

}  // namespace
