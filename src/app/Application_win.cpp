#include "app/Application_win.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "app/ErrorBox.h"
#include "app/MainWindow_win.h"
#include "app/Resources.h"
#include "toolkit/win/Win32Error_win.h"
#include "toolkit/win/Window_win.h"

namespace {

constexpr const char* kApplicationClass = "TApplication";

// The window the task bar shows for the program. It has no size of its own; the main window, which it
// owns, has no task bar button, and whatever activates or closes this window reaches the main window.
class TApplicationWindow final : public TWindow {
public:
    void Create() {
        const std::string title(kApplicationTitle);
        RegisterWindowClass(kApplicationClass, 0, nullptr,
                            LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PLUX)));
        const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
        CreateHandle(0, kApplicationClass, title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                     RECT{x, y, x, y}, nullptr);
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_ACTIVATE:
                if (LOWORD(wParam) != WA_INACTIVE) {
                    const HWND popup = GetLastActivePopup(Handle());
                    if (popup != Handle() && IsWindowEnabled(popup))
                        SetActiveWindow(popup);
                }
                return 0;
            case WM_CLOSE: {
                const HWND mainWindow = GetLastActivePopup(Handle());
                if (mainWindow != Handle())
                    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
                return 0;
            }
            default:
                return DefaultHandling(message, wParam, lParam);
        }
    }
};

void RegisterCommonControls() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&classes))
        ThrowLastError("InitCommonControlsEx");
}

// Every message passes the main window first, for its shortcuts and menu keys; an error there is shown
// like an error in a window procedure, and the loop goes on.
int RunMessageLoop(TfrmPLUX& mainWindow) {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        bool handled = false;
        try {
            handled = mainWindow.PreTranslateMessage(message);
        } catch (const std::exception& error) {
            ReportWindowError(error.what());
            handled = true;
        }
        if (handled)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int RunApplication(int showCommand) {
    SetWindowErrorHandler(ShowErrorBox);
    try {
        RegisterCommonControls();
        TApplicationWindow application;
        application.Create();
        TfrmPLUX frmPLUX;
        frmPLUX.Create(application.Handle(), showCommand);
        return RunMessageLoop(frmPLUX);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
        return 1;
    }
}
