#include "app/ComparedSnapshot.h"

#include <gtest/gtest.h>

#include "support/MemoryFileSystem.h"

namespace {

using TPairs = std::vector<std::pair<std::string, std::string>>;

TEST(ComparedSnapshot, ReadsTheProductsOfTheNamedSectionAsTheReportDoes) {
    const struct {
        const char* name;
        std::string file;
        std::string savedAt;
        TPairs entries;
    } rows[] = {
        {"keys in file order, the timestamp apart",
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
        {"an empty file", "", "", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TMemoryFileSystem files;
        files.files["C:\\Tools\\base.plx"] = row.file;
        const TSnapshotSection section = ReadSnapshotSection("C:\\Tools\\base.plx", "base", files);
        EXPECT_EQ(section.Name, "base");
        EXPECT_EQ(section.SavedAt, row.savedAt);
        EXPECT_EQ(section.Entries, row.entries);
    }
}

}  // namespace
