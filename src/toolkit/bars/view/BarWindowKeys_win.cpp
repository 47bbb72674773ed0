// TBarWindow: the keyboard focus of a toolbar, its keys and its focus rectangle.
#include "toolkit/bars/view/BarWindow_win.h"

#include "toolkit/bars/model/BarKeyboard.h"
#include "toolkit/win/PaintHelpers_win.h"

bool TBarWindow::HasFocus() const {
    return Handle() && GetFocus() == Handle();
}

bool TBarWindow::HoldsControlWithFocus() const {
    const HWND focus = GetFocus();
    return focus && focus != Handle() && IsChild(Handle(), focus);
}

// Enter or Escape in a combo box whose list is closed: the bar takes the focus back, at the box.
bool TBarWindow::TakeFocusBackFromControl() {
    if (!HoldsControlWithFocus())
        return false;
    HWND control = GetFocus();
    while (GetParent(control) != Handle())
        control = GetParent(control);
    if (SendMessageA(control, CB_GETDROPPEDSTATE, 0, 0))
        return false;
    TakeFocus();
    return true;
}

// The focus comes back to the place it left, or to the next one the keyboard reaches from there.
void TBarWindow::FocusChanged(bool gained) {
    if (!gained) {
        lastFocus_ = tracking_.Focus;
        tracking_.Focus = -1;
        InvalidateRect(Handle(), nullptr, FALSE);
        return;
    }
    const TBar* bar = Bar();
    SetFocusPlace(bar ? KeyboardPlace(*bar, placement_, lastFocus_ - 1, TPlaceStep::Next) : -1);
}

void TBarWindow::SetFocusPlace(int place) {
    if (tracking_.Focus != place) {
        tracking_.Focus = place;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    if (place >= 0 && HasFocus())
        NotifyAccessibleEvent(Handle(), EVENT_OBJECT_FOCUS, place + 1);
}

bool TBarWindow::KeyDown(int key) {
    const TBar* bar = Bar();
    if (!bar || !HasFocus())
        return false;
    const TBarItemLink* link = LinkOf(tracking_.Focus);
    const TToolbarKey action =
        ToolbarKey(key, GetKeyState(VK_SHIFT) < 0, frame_.Vertical, link ? link->Item->Kind : TBarItemKind::Button);
    switch (action.Command) {
        case TToolbarCommand::None:
            return false;
        case TToolbarCommand::Step:
            SetFocusPlace(KeyboardPlace(*bar, placement_, tracking_.Focus, action.Step));
            return true;
        case TToolbarCommand::Run:
            Run(tracking_.Focus);
            return true;
        case TToolbarCommand::Leave:
            context_.Host->FocusContent();
            return true;
    }
    return false;
}

void TBarWindow::Run(int place) {
    const TBarItemLink* link = LinkOf(place);
    if (!link || !KeyboardReaches(*link->Item))
        return;
    switch (link->Item->Kind) {
        case TBarItemKind::SubItem:
            OpenSubMenu(place, true);
            return;
        case TBarItemKind::Combo:
            if (const HWND box = ComboHandle(link->Id)) {
                SetFocus(box);
                SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
            }
            return;
        case TBarItemKind::Button:
        case TBarItemKind::Progress:
            Click(place);
            return;
    }
}

// Inside the item's highlight, as the system draws the focus of a button.
void TBarWindow::PaintFocus(HDC dc) const {
    if (tracking_.Focus < 0 || tracking_.Focus >= PlaceCount())
        return;
    RECT area = ToRect(placement_.Items[static_cast<std::size_t>(tracking_.Focus)].Bounds);
    InflateRect(&area, -2, -2);
    DrawFocusRect(dc, &area);
}
