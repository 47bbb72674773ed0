#include "PluxProbeLongWork_win.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PluxProbeRemote_win.h"

namespace {

HWND MainWindow() {
    return FindWindowA("TfrmPLUX", nullptr);
}

// Lets the probe's own windows paint for that long.
void KeepWindowsFor(double seconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
}

LRESULT CALLBACK CoverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        const HBRUSH magenta = CreateSolidBrush(RGB(0xFF, 0x00, 0xFF));
        FillRect(dc, &paint.rcPaint, magenta);
        DeleteObject(magenta);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Shows the cover over `bounds` for that long, then closes it.
bool CoverFor(const RECT& bounds, double seconds) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CoverProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "PluxProbeCover";
    RegisterClassA(&windowClass);
    const HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "PluxProbeCover", "cover", WS_POPUP,
                                       bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                       nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!cover)
        return false;
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    UpdateWindow(cover);
    KeepWindowsFor(seconds);
    DestroyWindow(cover);
    return true;
}

// The screen within `bounds`, as a binary PPM file.
bool CaptureScreen(const RECT& bounds, const char* path) {
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY) != 0;
    GdiFlush();
    std::FILE* file = copied ? std::fopen(path, "wb") : nullptr;
    if (file) {
        std::fprintf(file, "P6\n%d %d\n255\n", width, height);
        const auto* pixels = static_cast<const unsigned char*>(bits);
        for (int i = 0; i < width * height; ++i) {
            const unsigned char rgb[3] = {pixels[4 * i + 2], pixels[4 * i + 1], pixels[4 * i]};
            std::fwrite(rgb, 1, 3, file);
        }
        std::fclose(file);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return file != nullptr;
}

// The text of a part of plux's status bar, read through memory in plux's process; nothing when there
// is no such bar or part.
bool PartText(int part, std::string& text) {
    const HWND bar = MainWindow() ? FindWindowExA(MainWindow(), nullptr, STATUSCLASSNAMEA, nullptr) : nullptr;
    DWORD process = 0;
    if (!bar || !GetWindowThreadProcessId(bar, &process))
        return false;
    constexpr SIZE_T kMemorySize = 4096;
    const TRemoteMemory memory(process, kMemorySize);
    // The length comes with the text, in one message: the text may change between two.
    if (!memory || LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0)) >= kMemorySize)
        return false;
    const WORD length = LOWORD(SendMessageA(bar, SB_GETTEXTA, part, memory.Address()));
    char buffer[kMemorySize] = {};
    if (length >= kMemorySize || !memory.Read(buffer, length))
        return false;
    text.assign(buffer, length);
    return true;
}

int WatchPanel(int part, double seconds, int times) {
    std::string first;
    if (!PartText(part, first))
        return 1;
    std::printf("watching\n");
    std::fflush(stdout);
    std::string last = first;
    int returns = 0;
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (GetTickCount64() < end && returns < times) {
        std::string now;
        if (!PartText(part, now))
            return 1;
        if (now != last) {
            std::printf("text %s\n", now.c_str());
            std::fflush(stdout);
            last = now;
            if (now == first)
                ++returns;
        }
        Sleep(10);
    }
    std::printf("back %d\n", returns);
    return 0;
}

// All within one run of the probe, so that it fits into one check: waits until the first panel shows a
// text, covers the window and uncovers it, lets it paint, captures it to FILE and tells whether the
// panel still shows a text, that is whether all this happened during the work.
int WhileWorking(double seconds, const char* path) {
    std::string text;
    const ULONGLONG end = GetTickCount64() + 30000;
    while (PartText(0, text) && text.empty() && GetTickCount64() < end)
        Sleep(10);
    RECT bounds;
    if (text.empty() || !GetWindowRect(MainWindow(), &bounds))
        return 1;
    if (!CoverFor(bounds, seconds))
        return 1;
    Sleep(300);
    if (!CaptureScreen(bounds, path))
        return 1;
    std::printf("running %d\n", PartText(0, text) && !text.empty() ? 1 : 0);
    return 0;
}

// A small window of the given class cursor under the pointer, for that long: the cursor Wine shows for
// it, to compare with.
int ShowCursorWindow(int cursorId, double seconds) {
    POINT pointer;
    GetCursorPos(&pointer);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(cursorId));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "PluxProbeCursor";
    RegisterClassA(&windowClass);
    const HWND window =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "PluxProbeCursor", "cursor", WS_POPUP, pointer.x - 50,
                        pointer.y - 50, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    std::printf("shown\n");
    std::fflush(stdout);
    KeepWindowsFor(seconds);
    DestroyWindow(window);
    return 0;
}

}  // namespace

int ProbeLongWork(const char* command, int argc, char** argv) {
    if (std::strcmp(command, "while-working") == 0 && argc > 3)
        return WhileWorking(std::atof(argv[2]), argv[3]);
    if (std::strcmp(command, "cursor-window") == 0 && argc > 3)
        return ShowCursorWindow(std::atoi(argv[2]), std::atof(argv[3]));
    if (std::strcmp(command, "watch-panel") == 0 && argc > 4)
        return WatchPanel(std::atoi(argv[2]), std::atof(argv[3]), std::atoi(argv[4]));
    return -1;
}
