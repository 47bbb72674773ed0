#ifndef PLUX_SNAPSHOT_SNAPSHOTLIST_H
#define PLUX_SNAPSHOT_SNAPSHOTLIST_H

#include <string_view>

#include "support/FileSystem.h"
#include "support/TextRoutines.h"

// What the snapshot chooser offers: first the entry that stands for no comparison, then the names of
// the snapshot files in the program folder in the order the file system lists them. The chooser is
// enabled only when at least one file was found; item 0 is the one selected.
struct TCompareChoices {
    TTextList Items;
    bool Enabled = false;
};

TCompareChoices ListCompareChoices(std::string_view programFolder,
                                   std::string_view noComparisonText,
                                   TFileSystem& files);

#endif
