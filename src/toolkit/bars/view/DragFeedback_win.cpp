#include "toolkit/bars/view/DragFeedback_win.h"

#include "toolkit/bars/view/BarPainter_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

constexpr const char* kFeedbackClass = "TDragFeedback";
constexpr int kFrameWidth = 3;

}  // namespace

void TDragFeedback::ShowAt(const RECT& screenArea) {
    if (!Handle()) {
        RegisterWindowClass(kFeedbackClass, 0, nullptr);
        CreateHandle(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, kFeedbackClass, "",
                     WS_POPUP, RECT{}, nullptr);
    }
    const SIZE size{screenArea.right - screenArea.left, screenArea.bottom - screenArea.top};
    if (size.cx != shaped_.cx || size.cy != shaped_.cy) {
        // Once set, the region belongs to the window; until then it is ours to delete.
        const HRGN frame = CreateRectRgn(0, 0, size.cx, size.cy);
        TScopedRegion inner(CreateRectRgn(kFrameWidth, kFrameWidth, size.cx - kFrameWidth, size.cy - kFrameWidth));
        const bool shaped = frame && inner && CombineRgn(frame, frame, inner.Get(), RGN_DIFF) != ERROR &&
                            SetWindowRgn(Handle(), frame, FALSE);
        if (frame && !shaped)
            DeleteObject(frame);
        shaped_ = size;
    }
    SetWindowPos(Handle(), HWND_TOPMOST, screenArea.left, screenArea.top, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TDragFeedback::Hide() {
    if (Handle())
        ShowWindow(Handle(), SW_HIDE);
}

LRESULT TDragFeedback::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            TPaintScope paint(Handle());
            RECT client;
            GetClientRect(Handle(), &client);
            PaintDropFeedback(paint.DC(), client);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
