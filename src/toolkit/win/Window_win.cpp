#include "toolkit/win/Window_win.h"

#include <exception>

#include "toolkit/win/Win32Error_win.h"

namespace {

TWindowErrorHandler errorHandler = nullptr;

}  // namespace

void SetWindowErrorHandler(TWindowErrorHandler handler) {
    errorHandler = handler;
}

void ReportWindowError(std::string_view message) {
    if (errorHandler)
        errorHandler(message);
}

TWindow::~TWindow() {
    if (handle_) {
        // The window outlives its object only when destruction is under way elsewhere; cut the link first
        // so that the messages of the destruction find no object.
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

const char* TWindow::RegisterWindowClass(const char* className,
                                         UINT style,
                                         HBRUSH background,
                                         HICON icon,
                                         HCURSOR cursor) {
    WNDCLASSEXA windowClass{};
    if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &windowClass))
        return className;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = cursor ? cursor : LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass))
        ThrowLastError("RegisterClassEx");
    return className;
}

HWND TWindow::CreateHandle(DWORD exStyle,
                           const char* className,
                           const char* title,
                           DWORD style,
                           const RECT& bounds,
                           HWND parent,
                           int controlId) {
    const HWND window =
        CreateWindowExA(exStyle, className, title, style, bounds.left, bounds.top, bounds.right - bounds.left,
                        bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                        GetModuleHandleA(nullptr), this);
    if (!window)
        ThrowLastError("CreateWindowEx");
    return window;
}

// By the class's procedure: a window's own may be a subclass's (tool tips subclass their tools).
TWindow* TWindow::FromHandle(HWND window) {
    if (!window || GetClassLongPtrA(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(WindowProc))
        return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT CALLBACK TWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportWindowError(error.what());
    } catch (...) {
        ReportWindowError("Unexpected error");
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
