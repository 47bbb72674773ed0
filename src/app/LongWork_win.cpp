// The main window while a command runs long: the wait cursor, the painting, and the first status panel
// telling how far the work has come.
#include <string>

#include "app/MainStatusBar.h"
#include "app/MainWindow_win.h"
#include "toolkit/win/MessagePump_win.h"

namespace {

// Often enough that a window uncovered meanwhile is painted again before the user wonders; seldom
// enough that the work itself hardly slows down.
constexpr ULONGLONG kProgressInterval = 50;

}  // namespace

void TfrmPLUX::BeginLongWork() {
    longWork_ = true;
    progressTextBefore_ = NamedPanel(StatusBar, kProgressPanel).Text();
    lastProgress_ = GetTickCount64();
    RefreshCursor();
}

// Also when the work ends in an error, before the error box shows; it raises nothing.
void TfrmPLUX::EndLongWork() {
    longWork_ = false;
    if (TStatusPanel* panel = StatusBar.Panels().Find(kProgressPanel))
        panel->SetText(progressTextBefore_);
    RefreshCursor();
}

// The window's answer to WM_SETCURSOR, for itself, its children and its floating bars: true when it set
// the wait cursor.
bool TfrmPLUX::SetWaitCursor() const {
    if (!longWork_)
        return false;
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    return true;
}

// Now and then: the count in the first panel, and whatever waits to be painted; the keys and clicks
// given meanwhile wait for the end of the check.
void TfrmPLUX::ShowProductsRead(std::size_t productsRead) {
    const ULONGLONG now = GetTickCount64();
    if (now - lastProgress_ < kProgressInterval)
        return;
    lastProgress_ = now;
    NamedPanel(StatusBar, kProgressPanel).SetText("Products read: " + std::to_string(productsRead));
    DispatchPendingExceptInput();
}
