#include "support/TestWindow_win.h"

namespace {
constexpr const char* kClassName = "PluxTestWindow";
}

HWND CreateTestWindow(DWORD style, int width, int height) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);  // fails harmlessly when an earlier test registered it
    return CreateWindowExA(0, kClassName, "", style, 0, 0, width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}
