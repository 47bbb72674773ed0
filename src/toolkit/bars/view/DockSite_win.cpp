#include "toolkit/bars/view/DockSite_win.h"

#include <windowsx.h>

#include "toolkit/bars/view/BarPainter_win.h"
#include "toolkit/win/PaintHelpers_win.h"

namespace {

constexpr const char* kDockClass = "TDockSite";

const char* SideName(TDockingStyle side) {
    switch (side) {
        case TDockingStyle::Left:
            return "Left";
        case TDockingStyle::Right:
            return "Right";
        case TDockingStyle::Bottom:
            return "Bottom";
        case TDockingStyle::Top:
        case TDockingStyle::None:
            break;
    }
    return "Top";
}

}  // namespace

// Named after its side, so that the dock can be told apart from outside.
void TDockSite::Create(HWND parent) {
    RegisterWindowClass(kDockClass, 0, nullptr);
    CreateHandle(0, kDockClass, SideName(side_), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, RECT{}, parent);
}

int TDockSite::Arrange(const std::vector<TBarWindow*>& bars, int length) {
    bars_ = bars;
    std::vector<TDockedBar> docked;
    for (TBarWindow* window : bars_) {
        const TBar& bar = *window->Bar();
        window->Refresh(TBarFrame{Vertical(), true, length});
        const SIZE size = window->Size();
        docked.push_back(TDockedBar{bar.Id, bar.Row, Vertical() ? bar.DockedTop : bar.DockedLeft,
                                    bar.OneOnRow || bar.WholeRow, bar.WholeRow, Vertical() ? size.cy : size.cx,
                                    Vertical() ? size.cx : size.cy});
    }
    placement_ = PlaceDock(docked, length, Vertical());
    return placement_.Thickness;
}

void TDockSite::MoveTo(const RECT& bounds) {
    bounds_ = bounds;
    SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const TRect& r = placement_.Bounds[i];
        if (GetParent(bars_[i]->Handle()) != Handle())
            SetParent(bars_[i]->Handle(), Handle());
        SetWindowPos(bars_[i]->Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

TDropDock TDockSite::DropDock() const {
    return TDropDock{side_, FromRect(bounds_), placement_.Lines};
}

LRESULT TDockSite::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            TPaintScope paint(Handle());
            PaintDockBackground(paint.DC(), paint.Area());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_CONTEXTMENU: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (point.x == -1 && point.y == -1) {  // from the keyboard: at the dock's corner
                point = POINT{0, 0};
                ClientToScreen(Handle(), &point);
            }
            owner_.ShowBarsMenu(point);
            return 0;
        }
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
