#include "support/ProfileIni.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

// Many keys at once, as a snapshot of many products is saved: the text is the one single writes give,
// whether the keys are new, there already (in another letter case, with blanks), or some of each, and
// with enough keys that the room made for them moves what the file held.
TEST(ProfileText, WriteKeysWritesWhatSingleWritesWrite) {
    std::vector<std::string> many, manyValues;
    for (int i = 0; i < 300; ++i) {
        many.push_back("Product " + std::to_string(i));
        manyValues.push_back(std::to_string(i % 7) + ".0");
    }
    std::string manyFile = "[s]\r\n";
    for (int i = 0; i < 300; i += 2)
        manyFile += "product " + std::to_string(i) + " =old\r\n";
    struct TCase {
        std::string file, section;
        std::vector<std::string> keys, values;
    };
    const TCase cases[] = {
        {"", "s", {"A", "B", "a"}, {"1", "2", "3"}},
        {"[t]\r\nx=1\r\n\r\n[S]\r\n b =old\r\n;note\r\n\r\n[u]\r\n", " s ", {"A", "B"}, {"1", "2"}},
        {"[s]\r\nA=0", "s", {"a", "C"}, {"1", "3"}},
        {"[s]\r\nx=1\r\n", "s", {}, {}},
        {"", "s", many, manyValues},
        {manyFile, "s", many, manyValues},
    };
    for (const TCase& row : cases) {
        ini::TProfileText single(row.file), bulk(row.file);
        for (std::size_t i = 0; i < row.keys.size(); ++i)
            single.Write(row.section, row.keys[i], row.values[i]);
        bulk.WriteKeys(row.section, row.keys, row.values);
        EXPECT_EQ(bulk.Text(), single.Text()) << row.file;
        for (const std::string& key : row.keys)
            EXPECT_EQ(bulk.Read(row.section, key), single.Read(row.section, key)) << key;
    }
}

// Keys written at once to a section without lines are made into lines only when the file is written, so
// whatever follows must see them as lines: reads, writes to them and after them, another write of many
// keys, erased sections, and files of other encodings.
TEST(ProfileText, KeysWrittenAtOnceAreLinesToEverythingThatFollows) {
    const std::vector<std::string> keys = {"Grid", "Bars=2", " Pad ", std::string("Nul\0cut", 7), "Timestamp"};
    const std::vector<std::string> values = {"1.0", "2", "\"q\"", "4", "old"};
    const std::vector<std::string> changed = {"1.1", "2", "q", "5", "new"};
    const std::vector<std::string> files = {"", "[other]\r\nx=1", "[s]\r\n\r\n[t]\r\ny=2\r\n", "\xEF\xBB\xBF[t]\r\n",
                                            std::string("\xFF\xFE[\0t\0]\0\r\0\n\0", 12)};
    using TStep = void (*)(ini::TProfileText&, const std::vector<std::string>&, const std::vector<std::string>&);
    const struct {
        const char* name;
        TStep step;
    } steps[] = {
        {"nothing", [](auto&, auto&, auto&) {}},
        {"a key of theirs, in another case", [](auto& text, auto&, auto&) { text.Write("S", "GRID", "9"); }},
        {"a new key after them", [](auto& text, auto&, auto&) { text.Write("s", "Added", "1"); }},
        {"a new key, then one of theirs",
         [](auto& text, auto&, auto&) {
             text.Write("s", "Added", "1");
             text.Write("s", "timestamp", "now");
         }},
        {"all of them again, changed",
         [](auto& text, auto& keys, auto& changed) { text.WriteKeys("s", keys, changed); }},
        {"many keys to another section",
         [](auto& text, auto& keys, auto& changed) { text.WriteKeys("u", keys, changed); }},
        {"their section erased", [](auto& text, auto&, auto&) { text.EraseSection("s"); }},
        {"another section erased, then a key",
         [](auto& text, auto&, auto&) {
             text.EraseSection("t");
             text.Write("s", "Bars=2", "3");
         }},
    };
    for (const std::string& file : files) {
        for (const auto& row : steps) {
            SCOPED_TRACE(testing::PrintToString(file) + " / " + row.name);
            ini::TProfileText single(file), bulk(file);
            for (std::size_t i = 0; i < keys.size(); ++i)
                single.Write("s", keys[i], values[i]);
            bulk.WriteKeys("s", keys, values);
            row.step(single, keys, changed);
            row.step(bulk, keys, changed);
            EXPECT_EQ(bulk.Text(), single.Text());
            EXPECT_EQ(bulk.Keys("s"), single.Keys("s"));
            for (const std::string& key : keys)
                EXPECT_EQ(bulk.Read("s", key), single.Read("s", key)) << key;
        }
    }
}

// The lines of a file as read are found in its bytes, and only a line whose text changes is kept apart:
// rewritten again, read back, listed, or followed by a new line, it stays the line a write gives.
TEST(ProfileText, LinesOfTheFileRewrittenReadAndListAsWritten) {
    const struct {
        const char* name;
        std::string file;
        std::vector<std::pair<std::string, std::string>> writes;
        std::string expected;
        std::vector<std::string> keys;
    } cases[] = {
        {"rewritten twice, its own line end kept",
         "[s]\r\na=1\r\n\r\nb=2\nc=3\r",
         {{"b", "9"}, {"B", "8"}},
         "[s]\r\na=1\r\n\r\nb=8\nc=3\r",
         {"a", "b", "c"}},
        {"the first of two equal keys", "[s]\r\nk=1\r\nK=2\r\n", {{"k", "3"}}, "[s]\r\nk=3\r\nK=2\r\n", {"k"}},
        {"a last line without an end, then a new key",
         "[s]\r\na=1",
         {{"a", "1"}, {"n", "2"}},
         "[s]\r\na=1\r\nn=2\r\n",
         {"a", "n"}},
        {"a key line without = and blanks around a key",
         "[s]\r\n  lone  \r\n x = 1 \r\n",
         {{"LONE", "5"}, {"x", "1"}},
         "[s]\r\nlone=5\r\nx=1\r\n",
         {"lone", "x"}},
        {"a line before the first header", "top=1\r\n[s]\r\na=1\r\n", {{"a", "2"}}, "top=1\r\n[s]\r\na=2\r\n", {"a"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        ini::TProfileText text(row.file);
        for (const auto& [key, value] : row.writes)
            text.Write("s", key, value);
        EXPECT_EQ(text.Text(), row.expected);
        EXPECT_EQ(text.Keys("s"), row.keys);
        EXPECT_EQ(text.Read("s", row.writes.back().first), row.writes.back().second);
    }
}

// A value written again as it stands leaves the line as it is, and one that stands otherwise is written
// anew: the file is the same either way.
TEST(ProfileText, WritingTheSameValueAgainGivesTheLineAsAWriteGivesIt) {
    const struct {
        std::string file, expected;
    } cases[] = {
        {"[s]\r\nA=1\r\nB=2\r\n", "[s]\r\nA=1\r\nB=2\r\n"},
        {"[s]\r\na=1\n", "[s]\r\na=1\n"},
        {"[s]\r\n A=1\r\n", "[s]\r\nA=1\r\n"},
        {"[s]\r\nA = 1\r\n", "[s]\r\nA=1\r\n"},
        {"[s]\r\nA=\"1\"\r\n", "[s]\r\nA=1\r\n"},
        {"[s]\r\nA=1", "[s]\r\nA=1\r\n"},
        {"[s]\r\nA=1\r\n[t]", "[s]\r\nA=1\r\n[t]"},
    };
    for (const auto& row : cases) {
        ini::TProfileText text(row.file);
        text.Write("s", "A", "1");
        EXPECT_EQ(text.Text(), row.expected) << row.file;
    }
}

// A key written with "=" in its name is found by that name on later writes, though its line, rewritten
// from the text before the first "=", no longer shows it.
TEST(ProfileText, AKeyWrittenWithAnEqualsSignIsFoundByItsNameAfterRewrites) {
    ini::TProfileText text("[t]\r\nx=1\r\n");
    text.Write("s", "a=b", "1");
    text.Write("s", "A=B", "2");
    text.Write("s", "a=B", "3");
    text.Write("s", "a", "4");
    EXPECT_EQ(text.Text(), "[t]\r\nx=1\r\n[s]\r\na=3\r\na=4\r\n");
    EXPECT_EQ(text.Read("s", "a=b"), "3");
    EXPECT_EQ(text.Read("s", "a"), "4");
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

// A file another editor wrote: its encoding, characters the single-byte set lacks, line ends of every
// kind and a last line without one. The save changes a value, adds keys and a section; every other line
// keeps its bytes and its line end.
TEST(ProfileText, KeepsTheBytesOfEveryLineNoWriteTouchesInTheFilesEncoding) {
    const std::u16string original =
        u"; \u0416\u0443\u0440\u043D\u0430\u043B\r\n"
        u"[other]\n"
        u"name=\u4E2D\u6587 \U0001F600\r\n"
        u"  keep = \u00E9t\u00E9 \r"
        u"[snap]\r\n"
        u"Grid=4.1\n"
        u"Bars=5.0\r\n"
        u"\r\n"
        u"[tail]\r\n"
        u"last=\u041A";
    const std::u16string saved =
        u"; \u0416\u0443\u0440\u043D\u0430\u043B\r\n"
        u"[other]\n"
        u"name=\u4E2D\u6587 \U0001F600\r\n"
        u"  keep = \u00E9t\u00E9 \r"
        u"[snap]\r\n"
        u"Grid=4.2\n"
        u"Bars=5.0\r\n"
        u"Charts=2.0\r\n"
        u"\r\n"
        u"[tail]\r\n"
        u"last=\u041A\r\n"
        u"new=caf\u00E9\r\n"
        u"[fresh]\r\n"
        u"k=\u20AC\r\n";
    struct TCase {
        const char* name;
        std::string (*encode)(std::u16string_view);
    } cases[] = {
        {"UTF-8 with mark", [](std::u16string_view text) { return "\xEF\xBB\xBF" + Utf8Bytes(text); }},
        {"UTF-16 LE", [](std::u16string_view text) { return Utf16Bytes(text, false); }},
        {"UTF-16 BE", [](std::u16string_view text) { return Utf16Bytes(text, true); }},
        // Read as the single-byte set, so the new lines come in Windows-1252.
        {"UTF-8 without mark",
         [](std::u16string_view text) {
             std::string bytes = Utf8Bytes(text);
             for (const auto& [utf8, singleByte] :
                  {std::pair{Utf8Bytes(u"=caf\u00E9"), "=caf\xE9"}, std::pair{Utf8Bytes(u"=\u20AC"), "=\x80"}}) {
                 if (const std::size_t at = bytes.find(utf8); at != std::string::npos)
                     bytes.replace(at, utf8.size(), singleByte);
             }
             return bytes;
         }},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        const std::string bytes = row.encode(original);
        EXPECT_EQ(ini::TProfileText(bytes).Text(), bytes) << "read and written back unchanged";
        ini::TProfileText text(bytes);
        text.Write("snap", "grid", "4.2");
        text.Write("snap", "Charts", "2.0");
        text.Write("tail", "new", "caf\xE9");
        text.Write("fresh", "k", "\x80");
        EXPECT_EQ(text.Text(), row.encode(saved));
        EXPECT_EQ(ini::TProfileText(text.Text()).Text(), row.encode(saved)) << "read back, saved again";
    }
}

// A key whose name holds a character the set lacks is not the "?" a program asks for: the write adds
// the key and leaves that line alone.
TEST(ProfileText, ANameOutsideTheSingleByteSetIsNeverOverwritten) {
    const std::string original = "\xEF\xBB\xBF" + Utf8Bytes(u"[s]\r\nGrid \u4E2D=1\r\n[\u4E2D]\r\nk=2\r\n");
    ini::TProfileText text(original);
    EXPECT_EQ(text.Keys("s"), std::vector<std::string>{});
    text.Write("s", "Grid ?", "3");
    text.Write("?", "k", "4");
    const std::u16string saved = u"[s]\r\nGrid \u4E2D=1\r\nGrid ?=3\r\n[\u4E2D]\r\nk=2\r\n";
    EXPECT_EQ(text.Text(), "\xEF\xBB\xBF" + Utf8Bytes(saved + u"[?]\r\nk=4\r\n"));
    EXPECT_TRUE(text.EraseSection("?"));
    EXPECT_EQ(text.Text(), "\xEF\xBB\xBF" + Utf8Bytes(saved)) << "the new section only";
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
