#include "support/PathRoutines.h"

#include <gtest/gtest.h>

#include "support/SystemFacts.h"

namespace {

struct TCase {
    const char* path;
    const char* result;
};

TEST(PathRoutines, AddBackslashLeavesDriveRootsAndTrailingSeparatorsAlone) {
    const TCase cases[] = {{"C:", "C:\\"},   {"C:\\x", "C:\\x\\"}, {"C:\\x\\", "C:\\x\\"}, {"", "\\"},
                           {"C:\\", "C:\\"}, {"C:x", "C:x"},       {"ab", "ab\\"}};
    for (const TCase& row : cases)
        EXPECT_EQ(AddBackslash(row.path), row.result) << row.path;
}

TEST(PathRoutines, RemoveBackslashKeepsRootsAndLoneSeparators) {
    const TCase cases[] = {{"C:\\", "C:\\"},         {"\\", "\\"}, {"C:\\Data\\", "C:\\Data"},
                           {"C:\\Data", "C:\\Data"}, {"", ""},     {"a\\\\", "a\\"}};
    for (const TCase& row : cases)
        EXPECT_EQ(RemoveBackslash(row.path), row.result) << row.path;
}

TEST(PathRoutines, FileBaseNameCutsTheLastExtensionOfTheNamePart) {
    const TCase cases[] = {{"C:\\a\\report.old.plx", "report.old"},
                           {".profile", ".profile"},
                           {"name", "name"},
                           {"C:old.plx", "old"},
                           {"dir.x\\file", "file"},
                           {"a.b.plx", "a.b"},
                           {"C:\\", ""},
                           {"x.", "x"},
                           {"C:/in/dev.reg", "dev"},
                           {"../out.d\\base", "base"}};
    for (const TCase& row : cases)
        EXPECT_EQ(FileBaseName(row.path), row.result) << row.path;
}

TEST(PathRoutines, FileExtensionIsTheLastOfTheNamePart) {
    const TCase cases[] = {{"C:\\a\\report.old.PLX", ".PLX"},
                           {"dir.x\\file", ""},
                           {"dir.x/file", ""},
                           {".profile", ""},
                           {"x.", "."},
                           {"C:dev.json", ".json"}};
    for (const TCase& row : cases)
        EXPECT_EQ(FileExtension(row.path), row.result) << row.path;
}

TEST(PathRoutines, ExeBaseNameKeepsAtMost32Characters) {
    const std::string longName(40, 'n');
    EXPECT_EQ(ExeBaseNameOf("C:\\Tools\\" + longName + ".exe"), std::string(32, 'n'));
    EXPECT_EQ(ExeBaseNameOf("C:\\Tools\\plux.exe"), "plux");
}

TEST(PathRoutines, ProgramFolderIsTheExecutablesFolderWithBackslash) {
    EXPECT_EQ(ProgramFolderOf("C:\\Tools\\plux.exe"), "C:\\Tools\\");
    EXPECT_EQ(ProgramFolderOf("C:\\plux.exe"), "C:\\");
    EXPECT_EQ(ProgramFolderOf("plux.exe"), "");
    EXPECT_EQ(ProgramFolderOf("/tmp/t/plux"), "/tmp/t/");
}

TEST(PathRoutines, ExpandFileNameResolvesAgainstTheCurrentFolder) {
    struct TExpandCase {
        const char* path;
        const char* current;
        const char* result;
    } cases[] = {
        {"C:\\Tools\\Data", "D:\\Work", "C:\\Tools\\Data"},
        {"Data", "C:\\Work", "C:\\Work\\Data"},
        {"Data\\", "C:\\Work\\", "C:\\Work\\Data\\"},
        {".\\a\\..\\b", "C:\\Work", "C:\\Work\\b"},
        {"..\\..\\..\\x", "C:\\Work", "C:\\x"},
        {"\\Shared", "D:\\Work\\Deep", "D:\\Shared"},
        {"C:/Tools/Data", "D:\\Work", "C:\\Tools\\Data"},
        {"C:Data", "C:\\Work", "C:\\Work\\Data"},
        {"E:Data", "C:\\Work", "E:\\Data"},
        {"C:\\", "D:\\Work", "C:\\"},
        {"C:\\a\\..", "D:\\Work", "C:\\"},
        {"\\\\server\\share\\x\\..\\..\\y", "C:\\Work", "\\\\server\\share\\y"},
        {"rel", "\\\\server\\share\\dir", "\\\\server\\share\\dir\\rel"},
        {"C:\\Users;x", "D:\\", "C:\\Users;x"},
        {"C:", "C:\\Work", "C:\\Work\\"},
        {"c:", "C:\\Work", "C:\\Work\\"},
        {"E:", "C:\\Work", "E:\\"},
        {"C:.", "C:\\Work", "C:\\Work"},
        {"Data. . ", "C:\\Work", "C:\\Work\\Data"},
        {"Data...\\", "C:\\Work", "C:\\Work\\Data..\\"},
        {"a.\\b", "C:\\Work", "C:\\Work\\a\\b"},
        {"a. .\\b", "C:\\Work", "C:\\Work\\a. \\b"},
        {"...\\b", "C:\\Work", "C:\\Work\\..\\b"},
        {"a\\...", "C:\\Work", "C:\\Work\\a\\"},
        {" a ", "C:\\Work", "C:\\Work\\ a"},
        {"a\\\\b", "C:\\Work", "C:\\Work\\a\\b"},
        {".", "C:\\", "C:\\"},
        {"\\\\server\\share", "C:\\Work", "\\\\server\\share"},
        {"\\\\server\\share\\", "C:\\Work", "\\\\server\\share\\"},
        {"\\\\server\\share\\a. ", "C:\\Work", "\\\\server\\share\\a"},
    };
    for (const TExpandCase& row : cases) {
        EXPECT_EQ(ExpandFileName(row.path, row.current), row.result) << row.path << " in " << row.current;
    }
}

}  // namespace
