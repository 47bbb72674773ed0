#include "state/FormState_win.h"

#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

int ShowCommandOf(TWindowState state) {
    switch (state) {
        case TWindowState::Minimized:
            return SW_SHOWMINIMIZED;
        case TWindowState::Maximized:
            return SW_SHOWMAXIMIZED;
        case TWindowState::Normal:
            break;
    }
    return SW_SHOWNORMAL;
}

}  // namespace

WINDOWPLACEMENT TWin32FormWindow::CurrentPlacement() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window_, &placement))
        ThrowLastError("GetWindowPlacement");
    return placement;
}

TPlacement TWin32FormWindow::Placement() const {
    const WINDOWPLACEMENT placement = CurrentPlacement();
    const RECT& normal = placement.rcNormalPosition;
    return TPlacement{static_cast<int>(placement.flags), static_cast<int>(placement.showCmd),
                      TRect{normal.left, normal.top, normal.right, normal.bottom}};
}

// The minimised and maximised positions stay as the window has them.
void TWin32FormWindow::SetPlacement(const TPlacement& applied) {
    WINDOWPLACEMENT placement = CurrentPlacement();
    placement.flags = static_cast<UINT>(applied.Flags);
    placement.showCmd = static_cast<UINT>(applied.ShowCmd);
    placement.rcNormalPosition =
        RECT{applied.NormalPos.Left, applied.NormalPos.Top, applied.NormalPos.Right, applied.NormalPos.Bottom};
    if (!SetWindowPlacement(window_, &placement))
        ThrowLastError("SetWindowPlacement");
}

// The window is laid out for the screen's logical resolution when it is made.
int TWin32FormWindow::PixelsPerInch() const {
    return ScreenPixelsPerInch();
}

TRect TWin32FormWindow::Bounds() const {
    RECT bounds;
    if (!GetWindowRect(window_, &bounds))
        ThrowLastError("GetWindowRect");
    return TRect{bounds.left, bounds.top, bounds.right, bounds.bottom};
}

// Both sizeable border styles, the plain one and the tool window's, have the thick frame.
bool TWin32FormWindow::Sizeable() const {
    return (GetWindowLongPtrA(window_, GWL_STYLE) & WS_THICKFRAME) != 0;
}

// The background is the class brush; a class without a brush object of its own (none, or a system
// colour index) is painted in the window colour.
int TWin32FormWindow::Color() const {
    const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND));
    LOGBRUSH logBrush{};
    if (brush && GetObjectA(brush, sizeof logBrush, &logBrush) == sizeof logBrush)
        return static_cast<int>(logBrush.lbColor);
    return static_cast<int>(GetSysColor(COLOR_WINDOW));
}

bool TWin32FormWindow::ApplicationIconic() const {
    return application_ && IsIconic(application_);
}

void TWin32FormWindow::MinimizeApplication() {
    if (!PostMessageA(application_, WM_SYSCOMMAND, SC_MINIMIZE, 0))
        ThrowLastError("PostMessage(SC_MINIMIZE)");
}

void TWin32FormWindow::SetWindowState(TWindowState state) {
    if (!IsWindowVisible(window_)) {
        pendingState_ = state;
        return;
    }
    ShowWindow(window_, ShowCommandOf(state));
}

void TWin32FormWindow::ShowFirst(int requested) {
    const bool statePending = pendingState_ && *pendingState_ != TWindowState::Normal;
    ShowWindow(window_, statePending ? ShowCommandOf(*pendingState_) : requested);
    pendingState_.reset();
}

void TWin32FormWindow::Update() {
    UpdateWindow(window_);
}
