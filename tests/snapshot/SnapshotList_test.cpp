#include "snapshot/SnapshotList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/StdFileSystem.h"
#include "support/TempDir.h"

namespace {

TEST(SnapshotList, OffersNoComparisonFirstThenTheSnapshotFiles) {
    TTempDir dir;
    TStdFileSystem files;
    for (const char* name : {"b.plx", "a.PLX", ".plx", "other.txt", "c.plx.bak"})
        dir.WriteFile(name, "");
    std::filesystem::create_directory(dir.PathOf("x.plx"));

    TCompareChoices choices = ListCompareChoices(dir.Path(), "<nothing>", files);
    ASSERT_FALSE(choices.Items.empty());
    EXPECT_EQ(choices.Items.front(), "<nothing>");
    EXPECT_TRUE(choices.Enabled);
    // The listing keeps the file system's order, which differs between file systems.
    std::sort(choices.Items.begin() + 1, choices.Items.end());
    EXPECT_EQ(choices.Items, (TTextList{"<nothing>", "a.PLX", "b.plx"}));
}

TEST(SnapshotList, WithoutSnapshotsOnlyNoComparisonIsOfferedAndTheChooserIsDisabled) {
    TTempDir dir;
    TStdFileSystem files;
    dir.WriteFile("notes.txt", "");
    for (const std::string& folder : {dir.Path(), dir.PathOf("missing")}) {
        SCOPED_TRACE(folder);
        const TCompareChoices choices = ListCompareChoices(folder, "<nothing>", files);
        EXPECT_EQ(choices.Items, TTextList{"<nothing>"});
        EXPECT_FALSE(choices.Enabled);
    }
}

}  // namespace
