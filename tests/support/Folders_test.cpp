#include "support/Folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/FakeSystemFacts.h"
#include "support/MemoryFileSystem.h"
#include "support/MessageCatalogue.h"
#include "support/NoxException.h"
#include "support/StdFileSystem.h"
#include "support/TempDir.h"

namespace {

TEST(Folders, EnsureFolderCreatesEveryMissingLevelParentsFirst) {
    TMemoryFileSystem files;
    files.folders = {"C:\\Tools"};
    const TnoxFolderRtns folders(files);
    EXPECT_EQ(folders.EnsureFolder("C:\\Tools\\Data\\PLUX\\users\\"), "C:\\Tools\\Data\\PLUX\\users");
    EXPECT_EQ(files.created,
              (std::vector<std::string>{"C:\\Tools\\Data", "C:\\Tools\\Data\\PLUX", "C:\\Tools\\Data\\PLUX\\users"}));
    files.created.clear();
    EXPECT_EQ(folders.EnsureFolder("C:\\Tools\\Data"), "C:\\Tools\\Data");
    EXPECT_EQ(folders.EnsureFolder("C:\\"), "C:\\");
    EXPECT_TRUE(files.created.empty());
}

TEST(Folders, EnsureFolderDoesNotReportAFolderThatCannotBeCreated) {
    TMemoryFileSystem files;
    files.refused = {"D:\\locked"};
    EXPECT_EQ(TnoxFolderRtns(files).EnsureFolder("D:\\locked\\inner\\"), "D:\\locked\\inner");
    EXPECT_FALSE(files.FolderExists("D:\\locked\\inner"));
}

TEST(Folders, ProgramAndDataFolderFollowTheExecutable) {
    TFakeSystemFacts facts;
    TMemoryFileSystem files;
    EXPECT_EQ(ProgramFolder(facts), "C:\\Tools\\");
    EXPECT_EQ(DataFolder(facts, files), "C:\\Tools\\Data\\");
    EXPECT_TRUE(files.FolderExists("C:\\Tools\\Data"));
    EXPECT_TRUE(FolderExists(files, "C:\\Tools\\Data\\"));
    EXPECT_FALSE(FolderExists(files, "C:\\Tools\\Other"));
    facts.executablePath = "C:\\Tools\\" + std::string(40, 'x') + ".exe";
    EXPECT_EQ(ExeBaseName(facts), std::string(32, 'x'));
}

TEST(Folders, SpecialFoldersEndInABackslashOrRaiseTheShellMessage) {
    SetMessageLanguage(0);
    TFakeSystemFacts facts;
    EXPECT_EQ(AppDataFolder(facts), "C:\\Users\\JDoe\\AppData\\Roaming\\");
    EXPECT_EQ(MyDocumentsFolder(facts), "C:\\Users\\JDoe\\Documents\\");
    facts.specialFolders[kCsidlPersonal] = "D:\\";
    EXPECT_EQ(MyDocumentsFolder(facts), "D:\\");
    facts.specialFolders.erase(kCsidlAppData);
    try {
        AppDataFolder(facts);
        ADD_FAILURE() << "no exception";
    } catch (const ENoxShellException& error) {
        EXPECT_EQ(error.Message(), "Functie niet aanwezig in deze versie van de Windowsshell");
    }
}

TEST(Folders, ListFilesSkipsFoldersAndDotNamesAndResetsTheList) {
    TTempDir dir;
    dir.WriteFile("b.plx", "");
    dir.WriteFile(".plx", "");
    dir.WriteFile("c.PLX", "");
    dir.WriteFile("d.txt", "");
    std::filesystem::create_directory(dir.PathOf("a.plx"));
    TStdFileSystem files;
    const TnoxFolderRtns folders(files);
    TTextList list = {"left over"};
    EXPECT_EQ(folders.ListFiles(dir.Path(), "*.plx", false, list), 2);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (TTextList{"b.plx", "c.PLX"}));
    std::string folder = dir.Path();
    folder.pop_back();  // the platform's separator
    ASSERT_EQ(folders.ListFiles(folder, "b.*", true, list), 1);
    EXPECT_EQ(list.front(), folder + "\\b.plx");
    EXPECT_EQ(folders.ListFiles(dir.PathOf("missing"), "*.plx", false, list), 0);
    EXPECT_TRUE(list.empty());
}

}  // namespace
