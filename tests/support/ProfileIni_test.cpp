#include "support/ProfileIni.h"

#include <gtest/gtest.h>

#include "support/StdFileSystem.h"
#include "support/TempDir.h"
#include "toolkit/Exception.h"

namespace {

const char* const kSample =
    "; written by hand\r\n"
    "loose=before any section\r\n"
    "[Old]\r\n"
    "\\datetime\\=01-02-2004 10:00:00\r\n"
    "Grid 4 (Delphi 7) = 4.1 \r\n"
    "empty=\r\n"
    "quoted=\"  spaced  \"\r\n"
    "single='x'\r\n"
    "halfquoted=\"x\r\n"
    "novalue\r\n"
    "twice=first\r\n"
    "twice=second\r\n"
    "  [ Spaced Name ]  \n"
    "k=v\n"
    "[old]\r\n"
    "Grid 4 (Delphi 7)=shadowed\r\n";

TEST(ProfileText, ReadsWithThePlatformsProfileRules) {
    const ini::TProfileText text(kSample);
    struct TCase {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"Old", "\\datetime\\", "01-02-2004 10:00:00"},
        {"OLD", "grid 4 (DELPHI 7)", "4.1"},
        {"Old", "empty", ""},
        {"Old", "quoted", "  spaced  "},
        {"Old", "single", "x"},
        {"Old", "halfquoted", "\"x"},
        {"Old", "novalue", ""},
        {"Old", "twice", "first"},
        {"Old", "missing", std::nullopt},
        {"Spaced Name", "k", "v"},
        {"Missing", "k", std::nullopt},
        {"", "loose", std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.section) + "/" + row.key);
        EXPECT_EQ(text.Read(row.section, row.key), row.value);
    }
}

TEST(ProfileText, LongValuesAreCutTo2047Characters) {
    const ini::TProfileText text("[s]\nk=" + std::string(3000, 'v') + "\n");
    EXPECT_EQ(text.Read("s", "k")->size(), 2047u);
}

TEST(ProfileText, WritesInPlaceAppendKeysToTheirSectionAndNewSectionsAtTheEnd) {
    ini::TProfileText text("; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    text.Write("a", "X", "10");
    text.Write("A", "z", "3");
    text.Write("C", "w", "4");
    EXPECT_EQ(text.Text(), "; keep me\r\n[A]\r\nx=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n");
    EXPECT_EQ(ini::TProfileText(text.Text()).Text(), text.Text()) << "read, write, compare";
}

TEST(ProfileIniFile, MissingFileReadsDefaultsAndWritesCreateIt) {
    TTempDir dir;
    TStdFileSystem files;
    TProfileIniFile file(dir.PathOf("s.plx"), files);
    EXPECT_EQ(file.ReadString("s", "k", "&nbsp;"), "&nbsp;");
    file.WriteString("s", "k", "1.0");
    file.WriteString("s", "\\datetime\\", "now");
    EXPECT_FALSE(files.FileExists(dir.PathOf("s.plx"))) << "nothing reaches the disk before Flush";
    EXPECT_EQ(file.ReadString("S", "K", ""), "1.0") << "the accessor reads its own writes";
    file.Flush();
    EXPECT_EQ(dir.ReadFile("s.plx"), "[s]\r\nk=1.0\r\n\\datetime\\=now\r\n");
    EXPECT_EQ(TProfileIniFile(dir.PathOf("s.plx"), files).ReadString("S", "K", ""), "1.0");
}

TEST(ProfileIniFile, FailedWriteRaisesUnableToWrite) {
    TTempDir dir;
    TStdFileSystem files;
    const std::string path = dir.PathOf("missing-folder/s.plx");
    TProfileIniFile file(path, files);
    try {
        file.WriteString("s", "k", "v");
        file.Flush();
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Unable to write to " + path);
    }
}

}  // namespace
