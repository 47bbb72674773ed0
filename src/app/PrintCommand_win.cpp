#include "app/MainWindow_win.h"
#include "app/PrintJob_win.h"

namespace {

// The whole report: no print dialog, no printer choice.
constexpr int kFirstPage = 1;
constexpr int kLastPage = 9999;

}  // namespace

void TfrmPLUX::actionPrintExecute() {
    const TLongWork work(*this);
    PrintPages(HTMLViewer, kFirstPage, kLastPage);
}
