#include "toolkit/win/Controls_win.h"

#include "toolkit/win/Win32Error_win.h"

HWND TControlFactory::Add(const char* windowClass,
                          const std::string& text,
                          DWORD style,
                          const RECT& bounds,
                          int id,
                          DWORD exStyle) const {
    const HWND control =
        CreateWindowExA(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                        bounds.right - bounds.left, bounds.bottom - bounds.top, parent_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!control)
        ThrowLastError(std::string("CreateWindowEx(") + windowClass + ")");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
}

RECT BoundsOf(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsChecked(HWND button) {
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND button, bool checked) {
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
