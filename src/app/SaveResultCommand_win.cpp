#include "app/MainWindow_win.h"

#include <cstdint>

#include "snapshot/SnapshotFile.h"
#include "support/FileSystem.h"
#include "support/Folders.h"
#include "support/MessageDialog.h"
#include "support/SystemFacts.h"

namespace {

// "Save the results under the name of "
constexpr std::int32_t kSaveResultPrompt = 1;

}  // namespace

// A cancelled or empty answer ends the command quietly; a failing save reaches the error box.
void TfrmPLUX::actionSaveResultExecute() {
    const TSystemFacts& facts = PlatformSystemFacts();
    std::string name = WindowsUserName(facts);
    if (!AskInput(kSaveResultPrompt, name, true))
        return;
    const TLongWork work(*this);
    SaveSnapshot(name, products_.ProductNames, products_.ProductVersions, ProgramFolder(facts), facts.Now(),
                 facts.LocaleFormats(), PlatformFileSystem());
}
