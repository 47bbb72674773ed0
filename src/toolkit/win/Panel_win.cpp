#include "toolkit/win/Panel_win.h"

#include "toolkit/win/PaintHelpers_win.h"

namespace {

constexpr const char* kPanelClass = "TPanel";

}  // namespace

void TPanel::Create(HWND parent, COLORREF color) {
    color_ = color;
    RegisterWindowClass(kPanelClass, CS_HREDRAW | CS_VREDRAW, nullptr);
    CreateHandle(0, kPanelClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, RECT{}, parent);
}

RECT TPanel::Inside() const {
    RECT client;
    GetClientRect(Handle(), &client);
    InflateRect(&client, -kBevelWidth, -kBevelWidth);
    return client;
}

LRESULT TPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefaultHandling(message, wParam, lParam);
    TPaintScope paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    FillSolid(paint.DC(), client, color_);
    DrawEdge(paint.DC(), &client, BDR_RAISEDINNER, BF_RECT);
    return 0;
}
