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
// Minimising it hides the main window, which its owner's minimise does not do for a window that is no
// pop-up; restoring it shows the main window again.
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
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_SYSCOMMAND:
                if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                    Minimize();
                    return 0;
                }
                if ((wParam & 0xFFF0) == SC_RESTORE && IsIconic(Handle())) {
                    Restore();
                    return 0;
                }
                return DefaultHandling(message, wParam, lParam);
            // Activation and focus do not stay here while the program is not minimised. They are handed
            // on once the activation under way is done: within it, Wine undoes a nested one.
            case WM_ACTIVATE:
                if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
                    PostMessageA(Handle(), kHandOverActivation, 0, 0);
                return 0;
            case WM_SETFOCUS:
                if (!IsIconic(Handle()))
                    PostMessageA(Handle(), kHandOverActivation, 0, 0);
                return 0;
            case kHandOverActivation:
                HandOverActivation();
                return 0;
            // While minimised, the hidden main window is no longer the last active popup; Close on the
            // task bar must still reach it.
            case WM_CLOSE: {
                HWND target = GetLastActivePopup(Handle());
                if (target == Handle())
                    target = mainWindow_;
                if (target)
                    PostMessageA(target, WM_CLOSE, 0, 0);
                return 0;
            }
            default:
                return DefaultHandling(message, wParam, lParam);
        }
    }

private:
    static constexpr UINT kHandOverActivation = WM_APP + 1;

    // The main window goes first, so that its deactivation notes its focused control while that still
    // has the focus.
    void Minimize() {
        if (mainWindow_)
            ShowWindow(mainWindow_, SW_HIDE);
        ShowWindow(Handle(), SW_MINIMIZE);
    }

    // Showing the main window activates it, and it gives the focus back to its last focused control.
    void Restore() {
        ShowWindow(Handle(), SW_RESTORE);
        if (mainWindow_)
            ShowWindow(mainWindow_, SW_SHOW);
    }

    // To the main window, or to the dialog that was last active over it.
    void HandOverActivation() {
        if (GetActiveWindow() != Handle() || IsIconic(Handle()))
            return;
        const HWND popup = GetLastActivePopup(Handle());
        if (popup != Handle() && IsWindowVisible(popup) && IsWindowEnabled(popup))
            SetActiveWindow(popup);
    }

    HWND mainWindow_ = nullptr;
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
        application.SetMainWindow(frmPLUX.Handle());
        return RunMessageLoop(frmPLUX);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
        return 1;
    }
}
