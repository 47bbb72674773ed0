#include "toolkit/bars/DockSite_win.h"

#include <windowsx.h>

#include "toolkit/bars/BarPainter_win.h"
#include "toolkit/bars/CustomizeDialog_win.h"
#include "toolkit/win/Handles_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

constexpr const char* kDockClass = "TDockSite";
constexpr UINT kCustomizeEntry = 0x7000;  // past the bars' entries, which count from 1

}  // namespace

TDockSite::TDockSite(TBarViewContext& context) : context_(context) {
    context_.Manager->AddListener(*this);
}

TDockSite::~TDockSite() {
    context_.Manager->RemoveListener(*this);
}

void TDockSite::Create(HWND parent) {
    RegisterWindowClass(kDockClass, 0, nullptr);
    CreateHandle(0, kDockClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, RECT{}, parent);
    BarsChanged();
}

bool TDockSite::PreTranslate(const MSG& message) {
    return menuKeys_ && menuKeys_->PreTranslate(message);
}

void TDockSite::BarsChanged() {
    if (!Handle())
        return;
    CreateMissingBarWindows();
    for (auto& barWindow : barWindows_)
        barWindow->Refresh();
    PlaceBars();
}

void TDockSite::CreateMissingBarWindows() {
    while (barWindows_.size() < context_.Manager->BarCount()) {
        const TBar& bar = context_.Manager->Bar(barWindows_.size());
        auto barWindow = std::make_unique<TBarWindow>(context_, bar);
        barWindow->Create(Handle());
        if (bar.IsMainMenu && !menuKeys_)
            menuKeys_ = std::make_unique<TMenuBarKeys>(*barWindow);
        barWindows_.push_back(std::move(barWindow));
    }
}

// Floating bars and other dock sides come with their own sites; this one shows the top-docked bars.
void TDockSite::PlaceBars() {
    RECT client;
    GetClientRect(Handle(), &client);
    std::vector<TDockedBar> docked;
    std::vector<TBarWindow*> shown;
    for (auto& barWindow : barWindows_) {
        const TBar& bar = barWindow->Bar();
        if (bar.Visible && bar.DockingStyle == TDockingStyle::Top) {
            const SIZE size = barWindow->Size();
            docked.push_back({&bar, size.cx, size.cy});
            shown.push_back(barWindow.get());
        } else {
            ShowWindow(barWindow->Handle(), SW_HIDE);
        }
    }
    const TDockPlacement placement = PlaceDockRows(docked, client.right);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const TRect& r = placement.Bounds[i];
        SetWindowPos(shown[i]->Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
    if (placement.Height != height_) {
        height_ = placement.Height;
        context_.Host->DockHeightChanged();
    }
}

void TDockSite::ShowBarsMenu(POINT screenPoint) {
    if (!context_.Manager->AllowCustomizing)
        return;
    TScopedMenu menu(CreatePopupMenu());
    if (!menu)
        ThrowLastError("CreatePopupMenu");
    for (std::size_t i = 0; i < context_.Manager->BarCount(); ++i) {
        const TBar& bar = context_.Manager->Bar(i);
        if (bar.IsMainMenu)
            continue;
        if (!AppendMenuA(menu.Get(), MF_STRING | (bar.Visible ? MF_CHECKED : MF_UNCHECKED), i + 1, bar.Caption.c_str()))
            ThrowLastError("AppendMenu");
    }
    if (!context_.Customizing && (!AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr) ||
                                  !AppendMenuA(menu.Get(), MF_STRING, kCustomizeEntry, "&Customize...")))
        ThrowLastError("AppendMenu");
    const int picked = static_cast<int>(
        TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, Handle(), nullptr));
    if (picked == static_cast<int>(kCustomizeEntry)) {
        RunCustomizeDialog(context_, GetAncestor(Handle(), GA_ROOT));
        return;
    }
    if (picked <= 0)
        return;
    const TBar& bar = context_.Manager->Bar(static_cast<std::size_t>(picked - 1));
    context_.Manager->SetBarVisible(bar.Id, !bar.Visible);
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
        case WM_SIZE:
            PlaceBars();
            return 0;
        case WM_CONTEXTMENU: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (point.x == -1 && point.y == -1) {  // from the keyboard: at the dock's corner
                point = POINT{0, 0};
                ClientToScreen(Handle(), &point);
            }
            ShowBarsMenu(point);
            return 0;
        }
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
