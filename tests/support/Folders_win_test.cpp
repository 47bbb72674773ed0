#include "support/Folders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "support/PathRoutines.h"
#include "support/TempDir.h"

namespace {

TEST(FoldersOnWindows, ListFilesIncludesHiddenSystemAndReadOnlyFiles) {
    TTempDir dir;
    for (const char* name : {"plain.plx", "hidden.plx", "system.plx", "readonly.plx", ".plx", "other.txt"}) {
        dir.WriteFile(name, "");
    }
    ASSERT_TRUE(CreateDirectoryA(dir.PathOf("a.plx").c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesA(dir.PathOf("hidden.plx").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(dir.PathOf("system.plx").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(SetFileAttributesA(dir.PathOf("readonly.plx").c_str(), FILE_ATTRIBUTE_READONLY));

    const TnoxFolderRtns folders(PlatformFileSystem());
    TTextList list;
    EXPECT_EQ(folders.ListFiles(RemoveBackslash(dir.Path()), "*.plx", false, list), 4);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (TTextList{"hidden.plx", "plain.plx", "readonly.plx", "system.plx"}));
    SetFileAttributesA(dir.PathOf("readonly.plx").c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
}

TEST(FoldersOnWindows, EnsureFolderCreatesRealNestedFolders) {
    TTempDir dir;
    const TnoxFolderRtns folders(PlatformFileSystem());
    const std::string deep = dir.Path() + "one\\two\\three\\";
    EXPECT_EQ(folders.EnsureFolder(deep), RemoveBackslash(deep));
    EXPECT_TRUE(FolderExists(PlatformFileSystem(), deep));
    EXPECT_EQ(folders.EnsureFolder(deep), RemoveBackslash(deep)) << "an existing folder is left as it is";
}

TEST(FoldersOnWindows, ThePlatformTellsUserProgramAndShellFolders) {
    const TSystemFacts& facts = PlatformSystemFacts();
    EXPECT_FALSE(WindowsUserName(facts).empty());
    EXPECT_EQ(ExeBaseName(facts), "plux_win_tests");
    EXPECT_TRUE(FolderExists(PlatformFileSystem(), ProgramFolder(facts)));
    for (const std::string& folder : {AppDataFolder(facts), MyDocumentsFolder(facts)}) {
        EXPECT_EQ(folder.substr(1, 2), ":\\") << folder;
        EXPECT_EQ(LastChar(folder), '\\') << folder;
    }
    EXPECT_FALSE(facts.SpecialFolder(0x7FFF).has_value()) << "an identifier the shell does not know";
    EXPECT_EQ(FolderExists(PlatformFileSystem(), facts.CurrentDirectory()), true);
}

}  // namespace
