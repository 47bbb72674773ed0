#include "support/FileSystem.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "support/TempDir.h"
#include "toolkit/win/Handles_win.h"

namespace {

TEST(FileSystemWin32, OnlyOrdinaryDiskFilesExist) {
    TTempDir dir;
    dir.WriteFile("old.plx", "[old]\r\n");
    CreateDirectoryA(dir.PathOf("folder.plx").c_str(), nullptr);
    const TFileSystem& files = PlatformFileSystem();
    EXPECT_TRUE(files.FileExists(dir.PathOf("old.plx")));
    EXPECT_TRUE(files.ReadFile(dir.PathOf("old.plx")).has_value());
    // Wine reports each of these, in any folder, as an archive file; reading "aux" hangs on the serial port.
    for (const char* name : {"folder.plx", "aux", "aux.plx", "com1", "COM1.plx", "con", "nul", "prn", "lpt1.plx",
                             "nul.txt", "missing.plx"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(files.FileExists(dir.PathOf(name)));
        EXPECT_FALSE(files.ReadFile(dir.PathOf(name)).has_value());
    }
    EXPECT_FALSE(files.FileExists("\\\\.\\pipe\\plux-no-such-pipe"));
}

TEST(FileSystemWin32, WritesWholeAndLeavesNoTemporary) {
    TTempDir dir;
    TFileSystem& files = PlatformFileSystem();
    ASSERT_TRUE(files.WriteFile(dir.PathOf("r.html"), "first"));
    ASSERT_TRUE(files.WriteFile(dir.PathOf("r.html"), "second, longer"));
    ASSERT_TRUE(files.WriteFile(dir.PathOf("r.html"), "3rd"));
    EXPECT_EQ(dir.ReadFile("r.html"), "3rd");
    EXPECT_EQ(files.FindEntries(dir.PathOf("*")).size(), 3u) << "r.html, '.' and '..' only";
    EXPECT_EQ(files.LastErrorText(), "");
}

// The new content takes the old file's place with its hidden and system attributes. (Its creation time
// goes along too, where the file system lets it be set; under Wine it cannot be.)
TEST(FileSystemWin32, AReplacedFileKeepsItsAttributes) {
    TTempDir dir;
    dir.WriteFile("state.ini", "old");
    const std::string path = dir.PathOf("state.ini");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(PlatformFileSystem().WriteFile(path, "new"));
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(dir.ReadFile("state.ini"), "new");
}

// A save killed before its rename leaves its temporary; the next save removes it, but not the
// temporary of a save still under way in another process, which holds it open, nor a user's file.
TEST(FileSystemWin32, ASaveRemovesTheTemporariesThatInterruptedSavesLeft) {
    TTempDir dir;
    dir.WriteFile("base.plx", "old");
    dir.WriteFile("base.plx.~4242", "killed while writing");
    dir.WriteFile("BASE.PLX.~77", "killed, another spelling");
    dir.WriteFile("base.plx.~backup", "a user's copy");
    ASSERT_TRUE(SetFileAttributesA(dir.PathOf("base.plx.~77").c_str(), FILE_ATTRIBUTE_HIDDEN));
    const TScopedFile running(CreateFileA(dir.PathOf("base.plx.~99").c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE,
                                          nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(running);
    TFileSystem& files = PlatformFileSystem();
    for (const std::string name : {"base.plx", "new.plx"}) {
        dir.WriteFile(name + ".~1", "left");
        ASSERT_TRUE(files.WriteFile(dir.PathOf(name), "new"));
        EXPECT_EQ(dir.ReadFile(name), "new");
        EXPECT_FALSE(dir.Exists(name + ".~1"));
    }
    EXPECT_FALSE(dir.Exists("base.plx.~4242"));
    EXPECT_FALSE(dir.Exists("base.plx.~77"));
    EXPECT_TRUE(dir.Exists("base.plx.~99")) << "the temporary of a running save";
    EXPECT_TRUE(dir.Exists("base.plx.~backup"));
}

TEST(FileSystemWin32, RefusesReadOnlyAndMissingFoldersWithTheSystemsReason) {
    TTempDir dir;
    dir.WriteFile("locked.html", "kept");
    ASSERT_TRUE(SetFileAttributesA(dir.PathOf("locked.html").c_str(), FILE_ATTRIBUTE_READONLY));
    TFileSystem& files = PlatformFileSystem();
    EXPECT_TRUE(files.IsReadOnly(dir.PathOf("locked.html")));
    EXPECT_FALSE(files.WriteFile(dir.PathOf("locked.html"), "new"));
    EXPECT_NE(files.LastErrorText(), "");
    SetFileAttributesA(dir.PathOf("locked.html").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(dir.ReadFile("locked.html"), "kept");
    EXPECT_EQ(GetFileAttributesA(dir.PathOf("locked.html").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

    EXPECT_FALSE(files.WriteFile(dir.PathOf("no folder\\r.html"), "new"));
    EXPECT_NE(files.LastErrorText(), "");
    EXPECT_FALSE(files.WriteFile(dir.Path() + std::string(300, 'x') + ".html", "new"));
    EXPECT_NE(files.LastErrorText(), "");
}

TEST(FileSystemWin32, WritesDevicesDirectly) {
    TFileSystem& files = PlatformFileSystem();
    EXPECT_TRUE(files.WriteFile("NUL", "report"));
    TTempDir dir;
    EXPECT_TRUE(files.WriteFile(dir.PathOf("nul.html"), "report"));
    EXPECT_FALSE(dir.Exists("nul.html"));
}

// Every name of a hard-linked file sees the new content.
TEST(FileSystemWin32, WritesThroughHardLinks) {
    TTempDir dir;
    dir.WriteFile("target.html", "old content");
    ASSERT_TRUE(CreateHardLinkA(dir.PathOf("link.html").c_str(), dir.PathOf("target.html").c_str(), nullptr));
    TFileSystem& files = PlatformFileSystem();
    ASSERT_TRUE(files.WriteFile(dir.PathOf("link.html"), "new"));
    EXPECT_EQ(dir.ReadFile("target.html"), "new");
    EXPECT_TRUE(files.SameFile(dir.PathOf("link.html"), dir.PathOf("TARGET.HTML")));
    dir.WriteFile("other.html", "new");
    EXPECT_FALSE(files.SameFile(dir.PathOf("link.html"), dir.PathOf("other.html")));
    EXPECT_FALSE(files.SameFile(dir.PathOf("link.html"), dir.PathOf("missing.html")));
}

}  // namespace
