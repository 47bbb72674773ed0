// THtmlView: keys, scroll bars, wheel and mouse selection.
#include "toolkit/html/HtmlView_win.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kLineStep = 16;    // Up, Down and the scroll bar arrows
constexpr int kColumnStep = 15;  // Left, Right

}  // namespace

bool THtmlView::OnKeyDown(WPARAM key) {
    const int page = std::max(1, static_cast<int>(ClientSize().cy) - kLineStep);
    switch (key) {
        case VK_UP:
            ScrollTo(scrollX_, scrollY_ - kLineStep);
            return true;
        case VK_DOWN:
            ScrollTo(scrollX_, scrollY_ + kLineStep);
            return true;
        case VK_PRIOR:
            ScrollTo(scrollX_, scrollY_ - page);
            return true;
        case VK_NEXT:
            ScrollTo(scrollX_, scrollY_ + page);
            return true;
        case VK_LEFT:
            ScrollTo(scrollX_ - kColumnStep, scrollY_);
            return true;
        case VK_RIGHT:
            ScrollTo(scrollX_ + kColumnStep, scrollY_);
            return true;
        case VK_HOME:
            ScrollTo(scrollX_, 0);
            return true;
        case VK_END:
            ScrollTo(scrollX_, INT_MAX / 2);
            return true;
        default:
            return false;
    }
}

void THtmlView::OnScrollBar(int bar, WORD request) {
    const bool vertical = bar == SB_VERT;
    const int position = vertical ? scrollY_ : scrollX_;
    const int line = vertical ? kLineStep : kColumnStep;
    const int page = std::max(1, (vertical ? static_cast<int>(ClientSize().cy) : ScrollingWidth()) - line);
    int target = position;
    switch (request) {
        case SB_LINEUP:
            target -= line;
            break;
        case SB_LINEDOWN:
            target += line;
            break;
        case SB_PAGEUP:
            target -= page;
            break;
        case SB_PAGEDOWN:
            target += page;
            break;
        case SB_TOP:
            target = 0;
            break;
        case SB_BOTTOM:
            target = INT_MAX / 2;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The 32-bit track position; the message carries only 16 bits.
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(Handle(), bar, &info))
                target = info.nTrackPos;
            break;
        }
        default:
            return;
    }
    if (vertical)
        ScrollTo(scrollX_, target);
    else
        ScrollTo(target, scrollY_);
}

void THtmlView::OnWheel(short delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = lines == WHEEL_PAGESCROLL ? std::max(1, static_cast<int>(ClientSize().cy) - kLineStep)
                                               : static_cast<int>(lines) * kLineStep;
    ScrollTo(scrollX_, scrollY_ - delta * step / WHEEL_DELTA);
}

// A click clears the selection; dragging from there selects the text between the two points.
void THtmlView::OnMouseDown(int x, int y) {
    SetCapture(Handle());
    selecting_ = true;
    press_ = POINT{DocumentX(x), y + scrollY_};
    if (selectionAnchor_ >= 0)
        InvalidateRect(Handle(), nullptr, FALSE);
    selectionAnchor_ = selectionFocus_ = -1;
}

void THtmlView::OnMouseMove(int x, int y) {
    const SIZE client = ClientSize();
    if (y < 0)
        ScrollTo(scrollX_, scrollY_ - kLineStep);
    else if (y > client.cy)
        ScrollTo(scrollX_, scrollY_ + kLineStep);
    if (selectionAnchor_ < 0)
        selectionAnchor_ = layout_.Draw.TextOrderAt(press_.x, press_.y);
    const int focus = layout_.Draw.TextOrderAt(DocumentX(x), y + scrollY_);
    if (focus != selectionFocus_) {
        selectionFocus_ = focus;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void THtmlView::OnMouseUp() {
    if (selecting_)
        ReleaseCapture();
    selecting_ = false;
}
