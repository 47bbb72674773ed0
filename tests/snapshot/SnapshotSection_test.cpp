#include "snapshot/SnapshotSection.h"

#include <gtest/gtest.h>

#include "support/MemoryFileSystem.h"
#include "support/ProfileIni.h"

namespace {

using TPairs = std::vector<std::pair<std::string, std::string>>;

const std::string kFolder = "C:\\Tools\\";

TPairs PairsOf(const TSnapshotSection& section) {
    TPairs pairs;
    for (const TSnapshotEntry& entry : section.Entries())
        pairs.emplace_back(entry.Key, entry.Value);
    return pairs;
}

TEST(SnapshotSection, ReadsTheProductsOfTheNamedSectionAsTheProfileFunctionsDo) {
    const struct {
        const char* name;
        std::string file;
        std::string savedAt;
        TPairs entries;
    } rows[] = {
        {"keys in file order, the timestamp apart, values unquoted and trimmed",
         "[base]\r\nB=2\r\n\\datetime\\=01-02-2004\r\nA = \"1.0\" \r\n",
         "01-02-2004",
         {{"B", "2"}, {"A", "1.0"}}},
        {"the section found without regard to case, other sections left out",
         "[other]\r\nX=9\r\n[BASE]\r\nA=1\r\n[more]\r\nY=8\r\n",
         "",
         {{"A", "1"}}},
        {"a foreign section only", "[other]\r\nA=1\r\n", "", {}},
        {"the first of keys equal but for case; a line without '=' is no product",
         "[base]\r\nA=1\r\na=2\r\nno value\r\n\\DateTime\\=then\r\n",
         "then",
         {{"A", "1"}}},
        {"a value cut to 2047 characters",
         "[base]\r\nL=" + std::string(3000, 'x') + "\r\n",
         "",
         {{"L", std::string(2047, 'x')}}},
        {"an empty file", "", "", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TMemoryFileSystem files;
        files.files[kFolder + "base.plx"] = row.file;
        const TSnapshotSection section = ReadSnapshotSection({kFolder + "base.plx", "base"}, files);
        EXPECT_EQ(section.Name(), "base");
        EXPECT_EQ(section.SavedAt(), row.savedAt);
        EXPECT_EQ(PairsOf(section), row.entries);
    }
}

// Whatever name a product has, Find gives the value the profile reader returns for it, so the report
// column and the statuses read one version; only the timestamp key is never a product.
TEST(SnapshotSection, FindReadsWhatTheProfileReaderReads) {
    const std::string file =
        "[s]\r\nGrid 4 (Delphi 7)=4.2\r\n  Padded  = 1 \r\nTAB\t=2\r\nnone\r\nDup=first\r\ndup=second\r\n"
        "\\datetime\\=then\r\n=empty name\r\n";
    TMemoryFileSystem files;
    files.files[kFolder + "s.plx"] = file;
    const TSnapshotSection section = ReadSnapshotSection({kFolder + "s.plx", "s"}, files);
    const ini::TProfileText profile(file);
    const std::vector<std::string> names = {"Grid 4 (Delphi 7)",
                                            "grid 4 (DELPHI 7)",
                                            "Grid 4 (Delphi 7) ",
                                            " Padded",
                                            "padded\t",
                                            "tab",
                                            "none",
                                            "DUP",
                                            "missing",
                                            "",
                                            "   ",
                                            std::string("Dup\0x", 5)};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::optional<std::size_t> found = section.Find(name);
        const std::optional<std::string> read = profile.Read("s", name);
        ASSERT_EQ(found.has_value(), read.has_value());
        if (found) {
            EXPECT_EQ(section.Entries()[*found].Value, *read);
        }
    }
    for (const char* timestamp : {"\\datetime\\", " \\DateTime\\ "}) {
        EXPECT_FALSE(section.Find(timestamp)) << timestamp;
        EXPECT_EQ(profile.Read("s", timestamp), "then");
    }
}

TEST(SnapshotSection, EntriesGivenDirectlyKeepTheFirstOfEachKeyAndNoTimestamp) {
    const TSnapshotSection section("s", "then", {{"A", "1"}, {" a", "2"}, {"\\DATETIME\\", "x"}, {"B", "3"}});
    EXPECT_EQ(PairsOf(section), (TPairs{{"A", "1"}, {"B", "3"}}));
    EXPECT_EQ(section.Find("a "), 0u);
    EXPECT_EQ(section.Find("b"), 1u);
}

TEST(SnapshotSection, TheChoiceNamesAFileInTheProgramFolderAndItsSection) {
    TMemoryFileSystem files;
    for (const char* name : {"base.plx", "a.b.plx", ".plx", "s:"})
        files.files[kFolder + name] = "";
    files.folders.insert(kFolder + "dir.plx");
    const struct {
        const char* choice;
        const char* section;  // nullptr: no snapshot
    } rows[] = {
        {"base.plx", "base"},     {" base.plx\t", "base"}, {"a.b.plx", "a.b"}, {".plx", ".plx"},
        {"<nothing>", nullptr},   {"", nullptr},           {"   ", nullptr},   {"dir.plx", nullptr},
        {"missing.plx", nullptr}, {"s:", nullptr},  // a file, but no name for its section
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.choice);
        const std::optional<TChosenSnapshot> chosen = ChosenSnapshot(row.choice, kFolder, files);
        ASSERT_EQ(chosen.has_value(), row.section != nullptr);
        if (chosen) {
            EXPECT_EQ(chosen->Section, row.section);
            EXPECT_TRUE(files.FileExists(chosen->Path));
        }
    }
}

}  // namespace
