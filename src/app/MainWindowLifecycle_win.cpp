// The main window's creation and destruction steps, its close query, the end of the session, and the
// places where the stored window state and bar layout are read and written.
#include <exception>

#include "app/ErrorBox.h"
#include "app/MainBars.h"
#include "app/MainStatusBar.h"
#include "app/MainWindow_win.h"
#include "snapshot/SnapshotList.h"
#include "state/BarLayoutFile.h"
#include "support/FileSystem.h"
#include "support/Folders.h"
#include "support/MessageCatalogue.h"
#include "support/ProgSettings.h"

namespace {

constexpr std::string_view kWindowName = "frmPLUX";
constexpr std::string_view kBarManagerName = "BarManager";

}  // namespace

// A failing step is shown and ends the creation step; the window opens all the same, without the
// state restore, so that a broken state file cannot keep the program from starting.
void TfrmPLUX::RunCreationSteps() {
    try {
        FormCreate();
        RestoreState();
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
}

void TfrmPLUX::FormCreate() {
    VersionPanel(StatusBar).SetText(ProgSettings()->VersionText());
    SetStateFileName();
    LoadBarLayout();
    FillCompareFiles();
}

// The state restore right after this step reads the file.
void TfrmPLUX::SetStateFileName() {
    state_->IniFileStore.IniFileName = ProgSettings()->FormStateFileName(kMainWindowName);
}

// Before the window is first shown, so that it opens with the stored layout.
void TfrmPLUX::LoadBarLayout() {
    ::LoadBarLayout(BarManager, BarLayoutPrefix(kWindowName, kBarManagerName),
                    ProgSettings()->BarLayoutFileName(kWindowName), PlatformFileSystem());
}

// Runs once, at creation: snapshots saved later are offered from the next start on.
void TfrmPLUX::FillCompareFiles() {
    const TCompareChoices choices = ListCompareChoices(
        ProgramFolder(PlatformSystemFacts()), GetMessageText(kNoComparisonMessage, false), PlatformFileSystem());
    BarManager.ChangeItem(BarItem(kCompareFilesItem), [&](TBarItemProperties& chooser) {
        chooser.Combo.Entries = choices.Items;
        chooser.Combo.Choose(0);
        chooser.Enabled = choices.Enabled;
    });
}

// The state members are made as the window's design lists them, before the creation step names their
// file; the swatches are painted after every restore of the codes, stored values or not.
void TfrmPLUX::CreateStateMembers(HWND applicationWindow) {
    formWindow_ = std::make_unique<TWin32FormWindow>(Handle(), applicationWindow);
    state_ = std::make_unique<TMainWindowState>(*formWindow_, BarManager, PlatformFileSystem(), PlatformSystemFacts(),
                                                [this](std::string_view message) { ReportSaveError(message); });
    state_->ComponentState.OnRestoreState = [this](TAbstractState&) { ComponentStateRestoreState(); };
}

// Placement and window state, then the colour codes; an error is shown and the creation goes on.
void TfrmPLUX::RestoreState() {
    state_->Attachments.WindowCreated();
}

void TfrmPLUX::ComponentStateRestoreState() {
    ShowColors();
}

bool TfrmPLUX::FormCloseQuery() {
    if (!sessionEnded_)
        SaveState();
    return true;
}

// Placement, window state and colour codes are written when the close is accepted; an error is shown
// and the window closes all the same.
void TfrmPLUX::SaveState() {
    state_->Attachments.WindowCloseQuery(true);
}

// A window destroyed without a close query still keeps its state, before the destruction step.
void TfrmPLUX::SaveUnsavedState() {
    if (!sessionEnded_)
        state_->Attachments.WindowDestroying();
}

// The destruction goes on whatever fails here. The product list goes with the window object, after
// the message loop has ended.
void TfrmPLUX::FormDestroy() {
    if (sessionEnded_)
        return;
    try {
        SaveBarLayout();
    } catch (const std::exception& error) {
        ReportSaveError(error.what());
    }
}

// The file name is computed anew, which makes the folders again if they have gone meanwhile.
void TfrmPLUX::SaveBarLayout() {
    ::SaveBarLayout(BarManager, BarLayoutPrefix(kWindowName, kBarManagerName),
                    ProgSettings()->BarLayoutFileName(kWindowName), PlatformFileSystem());
}

// Log off, shut down or restart: the system ends the program soon after this, without a close, so the
// saves of the close query and of the destruction run here, once; a close or destruction that still
// comes saves nothing again. A failure is not shown: a box would hold up the end of the session, which
// ends the program all the same.
void TfrmPLUX::FormEndSession() {
    if (sessionEnded_)
        return;
    sessionEnded_ = true;
    state_->Attachments.WindowCloseQuery(true);
    try {
        SaveBarLayout();
    } catch (const std::exception&) {
        // dropped with the session, like any error from here on (ReportSaveError)
    }
}

void TfrmPLUX::ReportSaveError(std::string_view message) {
    if (!sessionEnded_)
        ShowErrorBox(message);
}
