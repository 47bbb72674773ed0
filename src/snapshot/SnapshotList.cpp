#include "snapshot/SnapshotList.h"

#include "snapshot/SnapshotFile.h"
#include "support/Folders.h"

TCompareChoices ListCompareChoices(std::string_view programFolder,
                                   std::string_view noComparisonText,
                                   TFileSystem& files) {
    TCompareChoices choices;
    TnoxFolderRtns(files).ListFiles(programFolder, "*" + std::string(kSnapshotExtension), false, choices.Items);
    choices.Enabled = !choices.Items.empty();
    choices.Items.insert(choices.Items.begin(), std::string(noComparisonText));
    return choices;
}
