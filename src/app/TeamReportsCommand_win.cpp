#include "app/MainWindow_win.h"

#include <shlobj.h>

#include <optional>

#include "app/ExportPlatform_win.h"
#include "app/MainBars.h"
#include "check/ReportBuilder.h"
#include "fleet/FleetFiles.h"
#include "fleet/FleetHtml.h"
#include "support/FileSystem.h"
#include "support/PathRoutines.h"
#include "support/SystemFacts.h"
#include "toolkit/Exception.h"

namespace {

constexpr char kDialogTitle[] = "Open Team Reports";
constexpr char kDialogText[] = "The folder of the team's reports, snapshots and registry exports:";

int CALLBACK NameTheDialog(HWND dialog, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED)
        SetWindowTextA(dialog, kDialogTitle);
    return 0;
}

// The system's folder dialog, with a field to type the folder into; nothing when the user cancels.
std::optional<std::string> AskTeamFolder(HWND owner) {
    char name[MAX_PATH] = {};
    BROWSEINFOA dialog{};
    dialog.hwndOwner = owner;
    dialog.pszDisplayName = name;
    dialog.lpszTitle = kDialogText;
    dialog.ulFlags = BIF_RETURNONLYFSDIRS | BIF_USENEWUI;
    dialog.lpfn = NameTheDialog;
    // The dialog of this style is made of objects that need the apartment of this thread.
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&dialog);
    if (SUCCEEDED(apartment))
        CoUninitialize();
    if (chosen == nullptr)
        return std::nullopt;
    // Long enough for the longest path the ANSI functions take, in any code page.
    std::string path(4 * MAX_PATH, '\0');
    const bool found = SHGetPathFromIDListA(chosen, path.data()) != FALSE;
    CoTaskMemFree(chosen);
    if (!found)
        throw Exception("The folder dialog chose no folder of the file system");
    path.resize(path.find('\0'));
    return path;
}

}  // namespace

// Every file is read before the view changes, so a file that does not read shows its error box and
// leaves the view as it was. Print then prints the matrix, and Do Check brings the main report back.
void TfrmPLUX::actionOpenTeamReportsExecute() {
    const std::optional<std::string> folder = AskTeamFolder(Handle());
    if (!folder)
        return;
    const TLongWork work(*this);
    const TSystemFacts& facts = PlatformSystemFacts();
    const TProductsFileReading reading{&PlatformFileSystem(), facts.LocaleFormats(),
                                       TLocalTime{facts.Now(), LocalUtcOffsetMinutes()}};
    const TFleetMatrix matrix =
        BuildFleetMatrix(ReadFleetSources(FleetSourceFiles({*folder}, PlatformFileSystem()), reading), nullptr);
    // The title names the printout.
    TTextList lines{"<title>" + HtmlText("Team reports " + std::string(FileNamePart(RemoveBackslash(*folder)))) +
                    "</title>"};
    const TTextList table = FleetHtml(matrix, BarItem(kColor1Item).Description, BarItem(kColor2Item).Description);
    lines.insert(lines.end(), table.begin(), table.end());
    // A wide table scrolls and prints with the product column in view.
    HTMLViewer.LoadLines(lines, "", TTableFit::KeepFirstColumn);
}
