#include "app/MainBars.h"
#include "app/MainWindow_win.h"
#include "check/ProductScan.h"
#include "check/ReportBuilder.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"

void TfrmPLUX::actionDoCheckExecute() {
    CheckProducts();
}

// A version that cannot be read ends the check before the report is built, so the view keeps the
// previous report.
void TfrmPLUX::CheckProducts() {
    ScanProducts(*MachineProductKeys(), std::string(kProductRootKey), *products_);

    const TSystemFacts& facts = PlatformSystemFacts();
    TReportInputs inputs;
    inputs.Products = products_.get();
    inputs.Color1Code = BarItem(kColor1Item).Description;
    inputs.Color2Code = BarItem(kColor2Item).Description;
    inputs.CompareChoice = BarItem(kCompareFilesItem).Combo.Text;
    inputs.ProgramFolder = ProgramFolderOf(facts.ExecutablePath());
    inputs.ComputerName = facts.ComputerName();
    inputs.Now = facts.Now();
    inputs.Locale = facts.LocaleFormats();
    HTMLViewer.LoadLines(BuildReport(inputs, PlatformFileSystem()).Lines, "");
}
