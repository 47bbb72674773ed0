// A test host for THtmlView until the main window hosts it: shows an HTML file in a window, prints
// it with Ctrl+P, or with --print prints it at once and says how that went on standard output.
//
//   html_view_host FILE [--print FIRST LAST] [--size WIDTH HEIGHT]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/PrintJob_win.h"
#include "toolkit/Exception.h"
#include "toolkit/html/HtmlView_win.h"

namespace {

constexpr int kViewId = 100;
constexpr int kPrintCommand = 200;

THtmlView* hostedView = nullptr;

std::vector<std::string> ReadLines(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void PrintAll(HWND window) {
    try {
        PrintPages(*hostedView, 1, 9999);
    } catch (const Exception& error) {
        MessageBoxA(window, error.Message().c_str(), "Plux", MB_OK | MB_ICONERROR);
    }
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            MoveWindow(hostedView->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            SetFocus(hostedView->Handle());
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kPrintCommand)
                PrintAll(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHost(THtmlView& view, int width, int height) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "PluxHtmlHost";
    if (!RegisterClassExA(&windowClass))
        return nullptr;
    const HWND window = CreateWindowExA(0, "PluxHtmlHost", "Report", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, width,
                                        height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window || !view.Create(window, kViewId))
        return nullptr;
    RECT client{};
    GetClientRect(window, &client);
    MoveWindow(view.Handle(), 0, 0, client.right, client.bottom, FALSE);
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: html_view_host FILE [--print FIRST LAST] [--size WIDTH HEIGHT]\n", stderr);
        return 2;
    }
    int width = 640;
    int height = 480;
    int firstPage = 0;
    int lastPage = 0;
    for (int i = 2; i + 2 < argc; i += 3) {
        const std::string option = argv[i];
        if (option != "--print" && option != "--size") {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
        int& first = option == "--print" ? firstPage : width;
        int& second = option == "--print" ? lastPage : height;
        first = std::atoi(argv[i + 1]);
        second = std::atoi(argv[i + 2]);
    }
    THtmlView view;
    hostedView = &view;
    const HWND window = CreateHost(view, width, height);
    if (!window) {
        std::fputs("cannot create the window\n", stderr);
        return 2;
    }
    view.LoadLines(ReadLines(argv[1]), "");
    if (firstPage > 0) {
        try {
            PrintPages(view, firstPage, lastPage);
            std::puts("printed");
            return 0;
        } catch (const Exception& error) {
            std::puts(error.Message().c_str());
            return 1;
        }
    }
    ShowWindow(window, SW_SHOW);
    SetFocus(view.Handle());
    ACCEL accelerator{FCONTROL | FVIRTKEY, 'P', kPrintCommand};
    const HACCEL accelerators = CreateAcceleratorTableA(&accelerator, 1);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(window, accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyAcceleratorTable(accelerators);
    return 0;
}
