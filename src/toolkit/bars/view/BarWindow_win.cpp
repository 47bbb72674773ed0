#include "toolkit/bars/view/BarWindow_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/bars/model/BarKeyboard.h"
#include "toolkit/bars/view/BarPainter_win.h"
#include "toolkit/bars/view/ButtonLink_win.h"
#include "toolkit/win/PaintHelpers_win.h"

namespace {

constexpr const char* kBarClass = "TBarWindow";

}  // namespace

// The tool tip is owned by the host window, which destroys it first when it closes.
TBarWindow::~TBarWindow() {
    if (toolTip_ && IsWindow(toolTip_))
        DestroyWindow(toolTip_);
}

void TBarWindow::Create(HWND holder) {
    RegisterWindowClass(kBarClass, 0, nullptr);
    const TBar* bar = Bar();
    CreateHandle(0, kBarClass, bar ? bar->Caption.c_str() : "", WS_CHILD | WS_CLIPCHILDREN, RECT{}, holder);
}

void TBarWindow::Refresh(const TBarFrame& frame) {
    const TBar* bar = Bar();
    if (!bar)
        return;
    frame_ = frame;
    placement_ = PlaceBarItems(*bar, frame_, BarMetricsFor(context_), *context_.Measure, context_.Font);
    SetWindowTextA(Handle(), bar->Caption.c_str());
    tracking_.Hot = tracking_.Pressed = -1;
    if (tracking_.KeyboardHot >= PlaceCount())
        tracking_.KeyboardHot = -1;
    UpdateCombos();
    UpdateToolTips();
    InvalidateRect(Handle(), nullptr, TRUE);
    NotifyAccessibleEvent(Handle(), EVENT_OBJECT_REORDER);
    // The focused item may have gone, or the keyboard may no longer reach it.
    if (HasFocus())
        SetFocusPlace(KeyboardPlace(*bar, placement_, tracking_.Focus - 1, TPlaceStep::Next));
}

SIZE TBarWindow::SizeIn(const TBarFrame& frame) const {
    const TBar* bar = Bar();
    if (!bar)
        return SIZE{};
    const TBarPlacement placement =
        PlaceBarItems(*bar, frame, BarMetricsFor(context_), *context_.Measure, context_.Font);
    return SIZE{placement.Width, placement.Height};
}

const TBarItemLink* TBarWindow::LinkOf(int place) const {
    const TBar* bar = Bar();
    if (!bar || place < 0 || place >= PlaceCount())
        return nullptr;
    const std::size_t index = bar->Links.IndexOf(placement_.Items[static_cast<std::size_t>(place)].Link);
    if (index >= bar->Links.size() || !bar->Links[index].Item)
        return nullptr;
    return &bar->Links[index];
}

int TBarWindow::PlaceWithAccessKey(char key) const {
    for (int place = 0; place < PlaceCount(); ++place) {
        const TBarItemLink* link = LinkOf(place);
        if (link && SameAccessKey(AccessKey(link->Caption()), key))
            return place;
    }
    return -1;
}

// The menu keys highlight a menu of the bar as the system's menus do, and tell assistive programs alike.
void TBarWindow::SetKeyboardHot(int place) {
    const int old = tracking_.KeyboardHot;
    if (old == place)
        return;
    tracking_.KeyboardHot = place;
    InvalidateRect(Handle(), nullptr, FALSE);
    if (old < 0)
        NotifyAccessibleEvent(Handle(), EVENT_SYSTEM_MENUSTART);
    if (place >= 0)
        NotifyAccessibleEvent(Handle(), EVENT_OBJECT_FOCUS, place + 1);
    else
        NotifyAccessibleEvent(Handle(), EVENT_SYSTEM_MENUEND);
}

int TBarWindow::PlaceAt(LPARAM point) const {
    const TItemPlace* place = placement_.ItemAt(GET_X_LPARAM(point), GET_Y_LPARAM(point));
    return place ? static_cast<int>(place - placement_.Items.data()) : -1;
}

void TBarWindow::Paint(HDC dc) const {
    const TBar* bar = Bar();
    RECT client;
    GetClientRect(Handle(), &client);
    if (!bar) {
        PaintDockBackground(dc, client);
        return;
    }
    PaintBarBackground(dc, client, bar->IsMainMenu, ToRect(placement_.Grip), frame_.Vertical);
    TSelectObject font(dc, context_.FontHandle);
    for (int place = 0; place < PlaceCount(); ++place)
        PaintPlace(dc, place);
    PaintFocus(dc);
    if (const TBarInputHook* hook = owner_.InputHook())
        hook->PaintMarks(dc, *this);
}

void TBarWindow::PaintPlace(HDC dc, int place) const {
    const TBarItemLink* link = LinkOf(place);
    if (!link)
        return;
    const TItemPlace& where = placement_.Items[static_cast<std::size_t>(place)];
    if (where.SeparatorBefore)
        PaintSeparator(dc, ToRect(where.Separator));
    const TBarItem& item = *link->Item;
    const RECT area = ToRect(where.Bounds);
    switch (item.Kind) {
        case TBarItemKind::Button:
        case TBarItemKind::SubItem: {
            if (item.Enabled)
                PaintItemFrame(dc, area, tracking_.StateOf(place));
            PaintButtonLink(dc, area, *link, Bar()->IsMainMenu, context_);
            break;
        }
        case TBarItemKind::Combo:
            PaintCaption(dc, RECT{area.left + 2, area.top, where.ComboBox.Left, area.bottom}, link->Caption(),
                         item.Enabled, false);
            break;
        case TBarItemKind::Progress:
            PaintProgressItem(dc, area, item, link->Caption());
            break;
    }
}

void TBarWindow::SetHot(int place) {
    if (tracking_.Hot == place)
        return;
    tracking_.Hot = place;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TBarWindow::Click(int place) {
    const TBarItemLink* link = LinkOf(place);
    if (!link || !link->Item->Enabled)
        return;
    const TBarItem& item = *link->Item;
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
    const TBarItemLink* link = LinkOf(place);
    if (!link)
        return false;
    RECT area = ToRect(placement_.Items[static_cast<std::size_t>(place)].Bounds);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    TPersonalMenu menu(*link->Item, context_);
    tracking_.Open = place;
    tracking_.Hot = -1;
    openMenu_ = &menu;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    NotifyAccessibleEvent(Handle(), EVENT_OBJECT_STATECHANGE, place + 1);
    const int command = menu.Track(Handle(), area, byKeyboard);
    openMenu_ = nullptr;
    tracking_.Open = -1;
    InvalidateRect(Handle(), nullptr, FALSE);
    NotifyAccessibleEvent(Handle(), EVENT_OBJECT_STATECHANGE, place + 1);
    if (command != 0)
        context_.Host->ExecuteBarCommand(command);
    return menu.LeftWithEscape();
}

// The grip starts a drag of the whole bar; an item is pressed until the button comes up over it, and a
// sub-menu opens at once.
void TBarWindow::PressAt(LPARAM point) {
    const int x = GET_X_LPARAM(point), y = GET_Y_LPARAM(point);
    if (placement_.Grip.Contains(x, y))
        return owner_.DragBar(barId_, Handle(), POINT{x, y});
    const int place = PlaceAt(point);
    const TBarItemLink* link = LinkOf(place);
    if (!link)
        return;
    if (link->Item->Kind == TBarItemKind::SubItem)
        return Click(place);
    tracking_.Pressed = place;
    SetCapture(Handle());
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT TBarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT menuResult = 0;
    if (openMenu_ && openMenu_->HandleMenuMessage(message, wParam, lParam, menuResult))
        return menuResult;
    LRESULT hookResult = 0;
    if (TBarInputHook* hook = owner_.InputHook();
        hook && hook->HandleBarMessage(*this, message, wParam, lParam, hookResult))
        return hookResult;
    switch (message) {
        case WM_PAINT: {
            TPaintScope paint(Handle());
            RECT client;
            GetClientRect(Handle(), &client);
            PaintOffScreen(paint.DC(), client, [&](HDC dc) { Paint(dc); });
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            CreateToolTipOnFirstPointer(lParam);
            if (LOWORD(lParam) == HTCLIENT) {
                POINT point;
                GetCursorPos(&point);
                ScreenToClient(Handle(), &point);
                if (placement_.Grip.Contains(point.x, point.y)) {
                    SetCursor(LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_SIZEALL)));
                    return TRUE;
                }
            }
            break;
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
        case WM_LBUTTONDOWN:
            PressAt(lParam);
            return 0;
        case WM_LBUTTONUP: {
            if (tracking_.Pressed < 0)
                return 0;
            const int place = PlaceAt(lParam);
            const bool click = tracking_.Release(place);
            ReleaseCapture();
            InvalidateRect(Handle(), nullptr, FALSE);
            if (click)
                Click(place);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (tracking_.Pressed >= 0) {
                tracking_.Pressed = -1;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            return 0;
        case WM_COMMAND:
            if (lParam)
                ComboChanged(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            FocusChanged(message == WM_SETFOCUS);
            return 0;
        case WM_KEYDOWN:
            if (KeyDown(static_cast<int>(wParam)))
                return 0;
            break;
        case kRunLink:
            for (int place = 0; place < PlaceCount(); ++place)
                if (placement_.Items[static_cast<std::size_t>(place)].Link == static_cast<TLinkId>(wParam)) {
                    Run(place);
                    break;
                }
            return 0;
        case WM_GETOBJECT: {
            LRESULT result = 0;
            if (access_.Answer(Handle(), wParam, lParam, result))
                return result;
            break;
        }
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}
