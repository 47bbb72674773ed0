#include "toolkit/bars/BarWindow_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/bars/BarPainter_win.h"
#include "toolkit/win/Handles_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

constexpr const char* kBarClass = "TBarWindow";

RECT ToRect(const TRect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

// The tool tip is owned by the top-level window, which destroys it first when it closes.
TBarWindow::~TBarWindow() {
    if (toolTip_ && IsWindow(toolTip_))
        DestroyWindow(toolTip_);
}

void TBarWindow::Create(HWND dock) {
    RegisterWindowClass(kBarClass, 0, nullptr);
    CreateHandle(0, kBarClass, bar_.Caption.c_str(), WS_CHILD | WS_CLIPCHILDREN, RECT{}, dock);
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!toolTip_)
        ThrowLastError("CreateWindowEx(tool tip)");
    Refresh();
}

void TBarWindow::Refresh() {
    placement_ = PlaceBarItems(bar_, context_.Metrics, *context_.Measure, context_.Font);
    hot_ = pressed_ = -1;
    if (keyboardHot_ >= PlaceCount())
        keyboardHot_ = -1;
    UpdateCombos();
    UpdateToolTips();
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TBarWindow::PlaceWithAccessKey(char key) const {
    for (int place = 0; place < PlaceCount(); ++place) {
        const std::size_t link = placement_.Items[static_cast<std::size_t>(place)].LinkIndex;
        if (SameAccessKey(AccessKey(bar_.Links[link].Caption()), key))
            return place;
    }
    return -1;
}

void TBarWindow::SetKeyboardHot(int place) {
    if (keyboardHot_ == place)
        return;
    keyboardHot_ = place;
    InvalidateRect(Handle(), nullptr, FALSE);
}

int TBarWindow::PlaceAt(LPARAM point) const {
    const TItemPlace* place = placement_.ItemAt(GET_X_LPARAM(point), GET_Y_LPARAM(point));
    return place ? static_cast<int>(place - placement_.Items.data()) : -1;
}

TItemState TBarWindow::StateOf(int place) const {
    if (place == open_)
        return TItemState::Open;
    if (place == pressed_ && place == hot_)
        return TItemState::Pressed;
    if (place == hot_ || place == keyboardHot_ || place == pressed_)
        return TItemState::Hot;
    return TItemState::Normal;
}

void TBarWindow::Paint(HDC dc) const {
    RECT client;
    GetClientRect(Handle(), &client);
    PaintBarBackground(dc, client, bar_.IsMainMenu);
    TSelectObject font(dc, context_.FontHandle);
    for (int place = 0; place < PlaceCount(); ++place)
        PaintPlace(dc, place);
}

void TBarWindow::PaintPlace(HDC dc, int place) const {
    const TItemPlace& where = placement_.Items[static_cast<std::size_t>(place)];
    if (where.SeparatorBefore)
        PaintSeparator(dc, ToRect(where.Separator));
    const TBarItemLink& link = bar_.Links[where.LinkIndex];
    const TBarItem& item = *link.Item;
    const RECT area = ToRect(where.Bounds);
    switch (item.Kind) {
        case TBarItemKind::Button:
        case TBarItemKind::SubItem:
            if (item.Enabled)
                PaintItemFrame(dc, area, StateOf(place));
            if (item.Kind == TBarItemKind::SubItem || bar_.IsMainMenu)
                PaintCaption(dc, area, link.Caption(), item.Enabled, true);
            else
                context_.Glyphs->Draw(dc, item.GlyphIndex, (area.left + area.right - TGlyphList::kSize) / 2,
                                      (area.top + area.bottom - TGlyphList::kSize) / 2, item.Enabled);
            break;
        case TBarItemKind::Combo:
            PaintCaption(dc, RECT{area.left + 2, area.top, where.ComboBox.Left, area.bottom}, item.Caption,
                         item.Enabled, false);
            break;
        case TBarItemKind::Progress:
            PaintProgressItem(dc, area, item);
            break;
    }
}

void TBarWindow::SetHot(int place) {
    if (hot_ == place)
        return;
    hot_ = place;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TBarWindow::Click(int place) {
    const TBarItem& item = ItemOf(place);
    if (!item.Enabled)
        return;
    if (item.Kind == TBarItemKind::SubItem) {
        OpenSubMenu(place, false);
        return;
    }
    const bool runs =
        item.Kind == TBarItemKind::Button || (item.Kind == TBarItemKind::Progress && item.Progress.Clickable);
    if (runs && item.CommandId != 0)
        context_.Host->ExecuteBarCommand(item.CommandId);
}

bool TBarWindow::OpenSubMenu(int place, bool byKeyboard) {
    const TItemPlace& where = placement_.Items.at(static_cast<std::size_t>(place));
    RECT area = ToRect(where.Bounds);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    TSubMenu menu(ItemOf(place), context_);
    open_ = place;
    hot_ = -1;
    openMenu_ = &menu;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const int command = menu.Track(Handle(), area, byKeyboard);
    openMenu_ = nullptr;
    open_ = -1;
    InvalidateRect(Handle(), nullptr, FALSE);
    if (command != 0)
        context_.Host->ExecuteBarCommand(command);
    return menu.LeftWithEscape();
}

LRESULT TBarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT menuResult = 0;
    if (openMenu_ && openMenu_->HandleMenuMessage(message, wParam, lParam, menuResult))
        return menuResult;
    switch (message) {
        case WM_PAINT: {
            TPaintScope paint(Handle());
            RECT client;
            GetClientRect(Handle(), &client);
            // Painted off screen and copied in one step, so the bar does not flicker.
            TScopedDC buffer(CreateCompatibleDC(paint.DC()));
            TScopedBitmap bitmap(CreateCompatibleBitmap(paint.DC(), client.right, client.bottom));
            if (!buffer || !bitmap) {
                Paint(paint.DC());
                return 0;
            }
            TSelectObject selection(buffer.Get(), bitmap.Get());
            Paint(buffer.Get());
            BitBlt(paint.DC(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            SetHot(PlaceAt(lParam));
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            SetHot(-1);
            return 0;
        case WM_LBUTTONDOWN: {
            const int place = PlaceAt(lParam);
            if (place < 0)
                return 0;
            if (ItemOf(place).Kind == TBarItemKind::SubItem) {
                Click(place);
                return 0;
            }
            pressed_ = place;
            SetCapture(Handle());
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        }
        case WM_LBUTTONUP: {
            if (pressed_ < 0)
                return 0;
            const int place = pressed_;
            pressed_ = -1;
            ReleaseCapture();
            InvalidateRect(Handle(), nullptr, FALSE);
            if (PlaceAt(lParam) == place)
                Click(place);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (pressed_ >= 0) {
                pressed_ = -1;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            return 0;
        case WM_COMMAND:
            if (lParam)
                SyncComboFromControl(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}
