#include "support/ProfileIni.h"

#include <gtest/gtest.h>

#include "support/MemoryFileSystem.h"
#include "support/ProfileFileCases.h"
#include "support/RaisedMessage.h"
#include "support/RefusingFileSystem.h"
#include "support/StdFileSystem.h"
#include "support/TempDir.h"

namespace {

const std::string kPath = "C:\\Tools\\s.plx";

TMemoryFileSystem FolderWith(const std::string& content) {
    TMemoryFileSystem files;
    files.folders.insert("C:\\Tools");
    files.files[kPath] = content;
    return files;
}

TEST(ProfileIniFile, ReadsAsThePlatformsProfileFunctions) {
    for (const TProfileFileCase& file : ProfileFileCases()) {
        SCOPED_TRACE(file.Name);
        TMemoryFileSystem files = FolderWith(file.Bytes);
        TProfileIniFile ini(kPath, files);
        for (const TProfileLookup& lookup : file.Lookups) {
            SCOPED_TRACE(testing::PrintToString(lookup.Section) + " / " + testing::PrintToString(lookup.Key));
            EXPECT_EQ(ini.ReadString(lookup.Section, lookup.Key, lookup.Default), lookup.Expected);
        }
    }
}

TEST(ProfileText, WritesInPlaceAppendKeysToTheirSectionAndNewSectionsAtTheEnd) {
    const char* const original =
        "; keep me\r\n"
        "[A]\r\n"
        "  Grid = 1  \r\n"
        "; inside A\r\n"
        "Lone\r\n"
        "\r\n"
        "[B]\r\n"
        "y=2\r\n"
        "[a]\r\n"
        "x=shadowed\r\n";
    struct TCase {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
        const char* result;
    } cases[] = {
        {"replace in place, the key as written", "a", "GRID", "10",
         "; keep me\r\n[A]\r\nGrid=10\r\n; inside A\r\nLone\r\n\r\n[B]\r\ny=2\r\n[a]\r\nx=shadowed\r\n"},
        {"append before the blank line that ends the section", " A ", "z", "3",
         "; keep me\r\n[A]\r\n  Grid = 1  \r\n; inside A\r\nLone\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[a]\r\nx=shadowed\r\n"},
        {"a key line without = takes the value", "A", "lone", "4",
         "; keep me\r\n[A]\r\n  Grid = 1  \r\n; inside A\r\nLone=4\r\n\r\n[B]\r\ny=2\r\n[a]\r\nx=shadowed\r\n"},
        {"the first of two equal sections", "A", "x", "5",
         "; keep me\r\n[A]\r\n  Grid = 1  \r\n; inside A\r\nLone\r\nx=5\r\n\r\n[B]\r\ny=2\r\n[a]\r\nx=shadowed\r\n"},
        {"new section at the end, name and key trimmed", " C ", " w ", "6",
         "; keep me\r\n[A]\r\n  Grid = 1  \r\n; inside "
         "A\r\nLone\r\n\r\n[B]\r\ny=2\r\n[a]\r\nx=shadowed\r\n[C]\r\nw=6\r\n"},
        {"no section name: the lines before the first header", "", "top", "7",
         "; keep me\r\ntop=7\r\n[A]\r\n  Grid = 1  \r\n; inside A\r\nLone\r\n\r\n[B]\r\ny=2\r\n[a]\r\nx=shadowed\r\n"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        ini::TProfileText text(original);
        text.Write(row.section, row.key, row.value);
        EXPECT_EQ(text.Text(), row.result);
        EXPECT_EQ(text.Read(row.section, row.key), row.value) << "reads its own write";
    }
}

TEST(ProfileText, EraseSectionRemovesEverySectionOfTheNameAndOnlyThose) {
    ini::TProfileText text("; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n[ a ]\r\nx=shadowed\r\n[C]\r\nz=3\r\n");
    EXPECT_TRUE(text.EraseSection(" a"));
    EXPECT_EQ(text.Text(), "; keep me\r\n[B]\r\ny=2\r\n[C]\r\nz=3\r\n");
    EXPECT_EQ(text.Read("C", "z"), "3");
    EXPECT_EQ(text.Read("A", "x"), std::nullopt);
    EXPECT_FALSE(text.EraseSection("A"));
    EXPECT_FALSE(text.EraseSection("")) << "the lines before the first section are no section";
    text.Write("a", "x", "new");
    EXPECT_EQ(text.Text(), "; keep me\r\n[B]\r\ny=2\r\n[C]\r\nz=3\r\n[a]\r\nx=new\r\n");
}

TEST(ProfileText, ReadingAndWritingKeepsEveryByteOfTheOtherLines) {
    const std::string original = "; note\r\n[s]\r\n  a = \"x\"  \r\n\r\n\r\n[t]\r\n\tb\t=\t2\r\n\r\n";
    EXPECT_EQ(ini::TProfileText(original).Text(), original);

    ini::TProfileText text(original);
    text.Write("s", "c", "3");
    text.Write("u", "d", "4");
    const std::string saved = text.Text();
    EXPECT_EQ(saved, "; note\r\n[s]\r\n  a = \"x\"  \r\nc=3\r\n\r\n\r\n[t]\r\n\tb\t=\t2\r\n\r\n[u]\r\nd=4\r\n");
    ini::TProfileText again(saved);
    again.Write("s", "c", "3");
    again.Write("u", "d", "4");
    EXPECT_EQ(again.Text(), saved) << "save, read, save gives the same bytes";
}

// Another editor's file keeps its encoding; its line ends become CR LF.
TEST(ProfileText, AFileIsWrittenBackInTheEncodingItCameIn) {
    struct TCase {
        const char* name;
        std::string original;
        std::string saved;
    } cases[] = {
        {"single byte", "[s]\rk=caf\xE9\x80\nj=1", "[s]\r\nk=caf\xE9\x80\r\nj=2\r\n"},
        {"UTF-8", "\xEF\xBB\xBF[s]\rk=caf\xC3\xA9\xE2\x82\xAC\nj=1",
         "\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\xE2\x82\xAC\r\nj=2\r\n"},
        {"UTF-16 LE", Utf16Bytes(u"[s]\rk=caf\u00E9\u20AC\nj=1", false),
         Utf16Bytes(u"[s]\r\nk=caf\u00E9\u20AC\r\nj=2\r\n", false)},
        {"UTF-16 BE", Utf16Bytes(u"[s]\nk=\u00FF\u00FE\nj=1", true),
         Utf16Bytes(u"[s]\r\nk=\u00FF\u00FE\r\nj=2\r\n", true)},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        ini::TProfileText text(row.original);
        text.Write("s", "j", "2");
        EXPECT_EQ(text.Text(), row.saved);
        EXPECT_EQ(ini::TProfileText(row.saved).Text(), row.saved) << "read back, saved again";
    }
}

TEST(ProfileIniFile, WritesReachTheDiskOnlyAtFlush) {
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

TEST(ProfileIniFile, AFailedFlushRaisesUnableToWriteAndLeavesTheFile) {
    const std::string old = "[s]\r\nk=old\r\n[other]\r\nx=1\r\n";
    for (const bool unreadable : {false, true}) {
        SCOPED_TRACE(unreadable ? "existing file that cannot be read" : "write refused");
        TMemoryFileSystem memory = FolderWith(old);
        TRefusingFileSystem files(memory);
        files.refuseWrites = true;
        files.unreadable = unreadable;
        TProfileIniFile file(kPath, files);
        file.WriteString("s", "k", "new");
        EXPECT_EQ(MessageOf([&] { file.Flush(); }), "Unable to write to " + kPath);
        EXPECT_EQ(memory.files[kPath], old);
    }
}

TEST(ProfileIniFile, AMissingFolderRaisesUnableToWrite) {
    TTempDir dir;
    TStdFileSystem files;
    const std::string path = dir.PathOf("missing-folder/s.plx");
    TProfileIniFile file(path, files);
    file.WriteString("s", "k", "v");
    EXPECT_EQ(MessageOf([&] { file.Flush(); }), "Unable to write to " + path);
    EXPECT_FALSE(files.FolderExists(dir.PathOf("missing-folder")));
}

}  // namespace
