#include "toolkit/win/FocusMemory_win.h"

bool TFocusMemory::HandleMessage(HWND window, UINT message, WPARAM wParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                Remember(window);
                return false;
            }
            // Activated: the default handling would give the focus to the window itself.
            return HIWORD(wParam) == 0 && Restore(window);
        case WM_SETFOCUS:
            return Restore(window);
        default:
            return false;
    }
}

// Called while the window is being deactivated, before the focus has moved.
void TFocusMemory::Remember(HWND window) {
    const HWND focus = GetFocus();
    if (focus && IsChild(window, focus))
        lastFocus_ = focus;
}

// A child that has gone, been hidden or disabled since cannot take the focus; the window keeps it then.
bool TFocusMemory::Restore(HWND window) const {
    if (!lastFocus_ || !IsWindow(lastFocus_) || !IsChild(window, lastFocus_) || !IsWindowVisible(lastFocus_) ||
        !IsWindowEnabled(lastFocus_))
        return false;
    SetFocus(lastFocus_);
    return true;
}
