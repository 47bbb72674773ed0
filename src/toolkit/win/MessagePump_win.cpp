#include "toolkit/win/MessagePump_win.h"

bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_NCMOUSEHOVER ||
           message == WM_NCMOUSELEAVE || message == WM_MOUSEHOVER || message == WM_MOUSELEAVE;
}

void DispatchPendingExceptInput() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!IsUserInput(message.message))
            DispatchMessageA(&message);
    }
}

void RefreshCursor() {
    POINT point;
    if (!GetCursorPos(&point))
        return;
    const HWND window = WindowFromPoint(point);
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return;
    const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(LOWORD(hit), WM_MOUSEMOVE));
}
