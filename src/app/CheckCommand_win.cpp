#include "app/MainBars.h"
#include "app/MainWindow_win.h"
#include "check/ProductScan.h"
#include "check/ReportBuilder.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"

void TfrmPLUX::actionDoCheckExecute() {
    CheckProducts();
}

void TfrmPLUX::ReadMachineProducts() {
    ScanProducts(*MachineProductKeys(), std::string(kProductRootKey), products_,
                 [this](std::size_t productsRead) { ShowProductsRead(productsRead); });
}

// A version that cannot be read ends the check before the report is built, so the view keeps the
// previous report.
void TfrmPLUX::CheckProducts() {
    const TLongWork work(*this);
    ReadMachineProducts();

    const TReportInputs inputs =
        ReportInputsNow(products_, BarItem(kColor1Item).Description, BarItem(kColor2Item).Description,
                        BarItem(kCompareFilesItem).Combo.Text, PlatformSystemFacts());
    HTMLViewer.LoadLines(BuildReport(inputs, PlatformFileSystem()).Lines, "");
}
