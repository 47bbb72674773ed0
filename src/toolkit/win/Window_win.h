#ifndef PLUX_TOOLKIT_WIN_WINDOW_WIN_H
#define PLUX_TOOLKIT_WIN_WINDOW_WIN_H

// A window object and its HWND: the link is made at WM_NCCREATE and cut at WM_NCDESTROY, so the
// object sees every message in between. No exception leaves the window procedure: an escaping error
// goes to the handler set with SetWindowErrorHandler (the application's error box) and the message is
// answered as if it had not been handled. The object owns its window and destroys it with itself.

#include <windows.h>

#include <string_view>

using TWindowErrorHandler = void (*)(std::string_view message);

// The application sets this once, before it creates a window.
void SetWindowErrorHandler(TWindowErrorHandler handler);
// Hands an error caught at another boundary (hook, message loop) to the same handler.
void ReportWindowError(std::string_view message);

class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow();

    HWND Handle() const { return handle_; }
    // The object of a window that runs through the thunk; nullptr for any other window.
    static TWindow* FromHandle(HWND window);

protected:
    // Registers a class whose windows run through the thunk, once per process; returns its name.
    static const char* RegisterWindowClass(const char* className,
                                           UINT style,
                                           HBRUSH background,
                                           HICON icon = nullptr,
                                           HCURSOR cursor = nullptr);
    // Creates the window for this object; raises an exception when it cannot.
    HWND CreateHandle(DWORD exStyle,
                      const char* className,
                      const char* title,
                      DWORD style,
                      const RECT& bounds,
                      HWND parent,
                      int controlId = 0);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(handle_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};

#endif
