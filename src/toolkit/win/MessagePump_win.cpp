#include "toolkit/win/MessagePump_win.h"

void DispatchPendingExceptInput() {
    MSG message;
    constexpr UINT kAllButInput = PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
    while (PeekMessageA(&message, nullptr, 0, 0, kAllButInput)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
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
