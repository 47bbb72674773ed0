#include "toolkit/bars/view/FloatWindow_win.h"

#include <windowsx.h>

#include "toolkit/bars/model/Customize.h"
#include "toolkit/bars/view/BarPainter_win.h"
#include "toolkit/win/PaintHelpers_win.h"

namespace {

constexpr const char* kFloatClass = "TFloatBar";

}  // namespace

// A tool window of our own drawing: without a window manager (and with one) the caption, the close box
// and the edges behave the same, since none of them is left to the system.
void TFloatWindow::Create(HWND owner) {
    RegisterWindowClass(kFloatClass, CS_DBLCLKS, nullptr);
    CreateHandle(WS_EX_TOOLWINDOW, kFloatClass, "", WS_POPUP | WS_CLIPCHILDREN, RECT{}, owner);
}

void TFloatWindow::Hold(TBarWindow& barWindow) {
    const TBar* bar = context_.Manager->FindBar(barId_);
    if (!bar)
        return;
    barWindow_ = &barWindow;
    if (GetParent(barWindow.Handle()) != Handle())
        SetParent(barWindow.Handle(), Handle());
    SetWindowTextA(Handle(), bar->Caption.c_str());
    barWindow.Refresh(TBarFrame{false, false, bar->FloatClientWidth});
    const SIZE size = barWindow.Size();
    frame_ = FrameAround(size);
    SetWindowPos(barWindow.Handle(), nullptr, frame_.Bar.Left, frame_.Bar.Top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN), screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const TRect screen{screenLeft, screenTop, screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const TRect place = ReachableWindow(TRect{bar->FloatLeft, bar->FloatTop, bar->FloatLeft + frame_.Window.Width(),
                                              bar->FloatTop + frame_.Window.Height()},
                                        screen, context_.Metrics);
    SetWindowPos(Handle(), nullptr, place.Left, place.Top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TFloatWindow::Hide() {
    ShowWindow(Handle(), SW_HIDE);
    barWindow_ = nullptr;
}

void TFloatWindow::FitTo(int maxWidth, bool keepRightSide) {
    barWindow_->Refresh(TBarFrame{false, false, maxWidth});
    const SIZE size = barWindow_->Size();
    frame_ = FrameAround(size);
    RECT bounds;
    GetWindowRect(Handle(), &bounds);
    const int left = keepRightSide ? bounds.right - frame_.Window.Width() : bounds.left;
    SetWindowPos(barWindow_->Handle(), nullptr, frame_.Bar.Left, frame_.Bar.Top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Handle(), nullptr, left, bounds.top, frame_.Window.Width(), frame_.Window.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

// The close box is offered only for a bar the user may hide.
TFloatFrame TFloatWindow::FrameAround(SIZE barSize) const {
    const TBar* bar = context_.Manager->FindBar(barId_);
    const bool closeBox = bar && ActionsFor(*context_.Manager, *bar).Hide;
    return FloatFrameAround(barSize.cx, barSize.cy, context_.Metrics, closeBox);
}

void TFloatWindow::StartTracking(TTracking tracking, LPARAM point) {
    tracking_ = tracking;
    POINT screen{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(Handle(), &screen);
    trackStartX_ = screen.x;
    GetWindowRect(Handle(), &trackStartBounds_);
    closePressed_ = tracking == TTracking::CloseBox;
    SetCapture(Handle());
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TFloatWindow::Track(LPARAM point) {
    const int x = GET_X_LPARAM(point), y = GET_Y_LPARAM(point);
    if (tracking_ == TTracking::CloseBox) {
        const bool inside = frame_.CloseBox.Contains(x, y);
        if (inside != closePressed_) {
            closePressed_ = inside;
            InvalidateRect(Handle(), nullptr, FALSE);
        }
        return;
    }
    POINT screen{x, y};
    ClientToScreen(Handle(), &screen);
    const int moved = screen.x - trackStartX_;
    const int startWidth = trackStartBounds_.right - trackStartBounds_.left;
    const bool left = tracking_ == TTracking::LeftEdge;
    FitTo(FloatBarWidth(startWidth + (left ? -moved : moved), context_.Metrics), left);
}

// The model learns the outcome only at the end: the bar's new width and place, or that it is hidden.
void TFloatWindow::EndTracking(LPARAM point) {
    const TTracking tracking = tracking_;
    tracking_ = TTracking::None;
    const bool closing =
        tracking == TTracking::CloseBox && frame_.CloseBox.Contains(GET_X_LPARAM(point), GET_Y_LPARAM(point));
    closePressed_ = false;
    ReleaseCapture();
    InvalidateRect(Handle(), nullptr, FALSE);
    if (closing)
        return context_.Manager->SetBarVisible(barId_, false);
    if (tracking == TTracking::CloseBox || !barWindow_)
        return;
    RECT bounds;
    GetWindowRect(Handle(), &bounds);
    const SIZE size = barWindow_->Size();
    context_.Manager->FloatBar(barId_, bounds.left, bounds.top, size.cx, size.cy);
}

LRESULT TFloatWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            TPaintScope paint(Handle());
            TSelectObject font(paint.DC(), context_.FontHandle);
            const TBar* bar = context_.Manager->FindBar(barId_);
            PaintFloatFrame(paint.DC(), ToRect(frame_.Window), ToRect(frame_.CloseBox), bar ? bar->Caption : "",
                            closePressed_);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR: {
            if (context_.Host->SetWaitCursor())
                return TRUE;
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(Handle(), &point);
            const TFloatPart part = frame_.PartAt(point.x, point.y);
            if (part != TFloatPart::LeftEdge && part != TFloatPart::RightEdge)
                break;
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_SIZEWE)));
            return TRUE;
        }
        case WM_LBUTTONDOWN:
            switch (frame_.PartAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
                case TFloatPart::Caption:
                    owner_.DragBar(barId_, Handle(), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
                    return 0;
                case TFloatPart::CloseBox:
                    StartTracking(TTracking::CloseBox, lParam);
                    return 0;
                case TFloatPart::LeftEdge:
                    StartTracking(TTracking::LeftEdge, lParam);
                    return 0;
                case TFloatPart::RightEdge:
                    StartTracking(TTracking::RightEdge, lParam);
                    return 0;
                case TFloatPart::Bar:
                case TFloatPart::None:
                    return 0;
            }
            return 0;
        case WM_LBUTTONDBLCLK:
            if (frame_.PartAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) == TFloatPart::Caption)
                context_.Manager->DockBack(barId_);
            return 0;
        case WM_MOUSEMOVE:
            if (tracking_ != TTracking::None)
                Track(lParam);
            return 0;
        case WM_LBUTTONUP:
            if (tracking_ != TTracking::None)
                EndTracking(lParam);
            return 0;
        case WM_CAPTURECHANGED:
            // Taken away mid-way: the window shows the bar as the model has it.
            if (tracking_ != TTracking::None) {
                tracking_ = TTracking::None;
                closePressed_ = false;
                if (barWindow_)
                    Hold(*barWindow_);
            }
            return 0;
        case WM_CONTEXTMENU:
            owner_.ShowBarsMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}
