// The least a Win32 program does to show a window: register a class, create the window at the size
// plux opens with, show it and paint it once, then wait in its message loop. With "/controls" the
// window also holds the system's controls that plux shows from its start, a status bar of the common
// controls and a drop-down combo box, and so shows what they alone cost.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            DrawTextA(dc, "Minimal window", -1, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    const bool withControls = std::strstr(commandLine, "/controls") != nullptr;
    if (withControls) {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&classes);
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = "MinimalWindow";
    if (!RegisterClassA(&windowClass))
        return 1;
    const HWND window = CreateWindowExA(0, "MinimalWindow", "", WS_OVERLAPPEDWINDOW, 227, 114, 696, 480, nullptr,
                                        nullptr, instance, nullptr);
    if (!window)
        return 1;
    if (withControls) {
        CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window,
                        nullptr, instance, nullptr);
        CreateWindowExA(0, "COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, 8, 8, 160, 200,
                        window, nullptr, instance, nullptr);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
