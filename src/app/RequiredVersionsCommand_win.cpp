#include "app/MainWindow_win.h"

#include <commdlg.h>

#include <optional>

#include "app/MainBars.h"
#include "check/ReportBuilder.h"
#include "policy/PolicyReport.h"
#include "policy/RequiredVersions.h"
#include "support/FileSystem.h"
#include "support/InputError.h"
#include "support/PathRoutines.h"
#include "support/SystemFacts.h"
#include "toolkit/Exception.h"

namespace {

constexpr char kDialogTitle[] = "Check Required Versions";
constexpr char kFilter[] = "Required versions (*.ini)\0*.ini\0All files (*.*)\0*.*\0";
// Long enough for the longest path the ANSI functions take, in any code page.
constexpr std::size_t kPathBufferSize = 4 * MAX_PATH;

// The system's open dialog, starting in `folder` (the system's choice when it is empty); nothing when
// the user cancels.
std::optional<std::string> AskRequiredVersionsFile(HWND owner, const std::string& folder) {
    std::string path(kPathBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = kDialogTitle;
    dialog.lpstrDefExt = "ini";
    // The current folder stays where it was: relative paths of the program mean the start folder.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) {
        if (const DWORD error = CommDlgExtendedError(); error != 0)
            throw Exception("The open dialog failed (error " + std::to_string(error) + ")");
        return std::nullopt;
    }
    path.resize(path.find('\0'));
    return path;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.size() - FileNamePart(path).size());
}

}  // namespace

// The file is read before the scan, so a rule that does not read shows its error box at once; either
// error leaves the view as it was. Print then prints this report, and Do Check brings the main one back.
void TfrmPLUX::actionCheckRequiredVersionsExecute() {
    const std::string folder = state_ ? ReadRequiredVersionsFolder(state_->IniFileStore) : std::string();
    const std::optional<std::string> file = AskRequiredVersionsFile(Handle(), folder);
    if (!file)
        return;
    // A state file that cannot take the folder is reported at the close, with the rest of the state.
    if (state_)
        WriteRequiredVersionsFolder(state_->IniFileStore, RemoveBackslash(FolderOf(*file)));
    const TRequiredVersions required = ReadRequiredVersions(ReadInputFile(*file, PlatformFileSystem()), *file);

    const TLongWork work(*this);
    ReadMachineProducts();
    const TReportInputs inputs = ReportInputsNow(products_, BarItem(kColor1Item).Description,
                                                 BarItem(kColor2Item).Description, "", PlatformSystemFacts());
    const std::vector<TProductVerdict> verdicts = CheckRequiredVersions(required, PolicyProductsOf(products_));
    HTMLViewer.LoadLines(BuildPolicyReport(inputs, FileNamePart(*file), verdicts).Lines, "");
}
