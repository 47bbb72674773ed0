// Shows the message dialog for a test script to drive, and reports what the user would see.
//   dialog_host ask NUMBER ANSWER KEEP [MAXLENGTH [CHARCASE]]   the input query; prints its result
//   dialog_host show TYPE NUMBER                                 the dialog of a type; prints its result
// Once the dialog is up it prints its window, controls and close box, then "ready".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/MessageCatalogue.h"
#include "support/MessageDialog.h"

namespace {

HHOOK hook = nullptr;

// The window's text with CR and LF written as \r and \n, so that each report stays on one line.
std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    std::string shown;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\r')
            shown += "\\r";
        else if (*c == '\n')
            shown += "\\n";
        else
            shown += *c;
    }
    return shown;
}

BOOL CALLBACK ReportControl(HWND control, LPARAM dialogParam) {
    const HWND dialog = reinterpret_cast<HWND>(dialogParam);
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    RECT box;
    GetWindowRect(control, &box);
    const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    std::printf("control %s %ld %ld %ld %ld text=[%s]", className, box.left, box.top, box.right - box.left,
                box.bottom - box.top, TextOf(control).c_str());
    if (lstrcmpiA(className, "Button") == 0) {
        std::printf(" default=%d centre=%ld,%ld", (style & 0x0F) == BS_DEFPUSHBUTTON, centre.x, centre.y);
    } else if (lstrcmpiA(className, "Edit") == 0) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        std::printf(" limit=%ld selection=%lu-%lu focus=%d upper=%d lower=%d password=%d",
                    static_cast<long>(SendMessageA(control, EM_GETLIMITTEXT, 0, 0)), start, end, GetFocus() == control,
                    (style & ES_UPPERCASE) != 0, (style & ES_LOWERCASE) != 0,
                    static_cast<int>(SendMessageA(control, EM_GETPASSWORDCHAR, 0, 0)));
    } else if ((style & SS_TYPEMASK) == SS_ICON) {
        std::printf(" icon=%d", SendMessageA(control, STM_GETICON, 0, 0) != 0);
    }
    std::printf("\n");
    return TRUE;
}

// The close box is where the frame answers HTCLOSE; search the caption row from the right.
POINT CloseBoxOf(HWND dialog) {
    RECT box;
    GetWindowRect(dialog, &box);
    for (LONG y = box.top; y < box.top + 40; ++y) {
        for (LONG x = box.right - 1; x > box.right - 60; --x) {
            if (SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                return {x - 3, y + 3};
        }
    }
    return {-1, -1};
}

void CALLBACK Report(HWND dialog, UINT, UINT_PTR id, DWORD) {
    KillTimer(dialog, id);
    RECT box;
    GetWindowRect(dialog, &box);
    std::printf("window %ld %ld %ld %ld caption=[%s]\n", box.left, box.top, box.right - box.left, box.bottom - box.top,
                TextOf(dialog).c_str());
    EnumChildWindows(dialog, ReportControl, reinterpret_cast<LPARAM>(dialog));
    const POINT close = CloseBoxOf(dialog);
    std::printf("closebox %ld,%ld\n", close.x, close.y);
    HDC dc = GetDC(dialog);
    // The font the controls show, which is the dialog's own font.
    const HWND control = GetWindow(dialog, GW_CHILD);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE m{};
    GetTextExtentPoint32A(dc, "M", 1, &m);
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    std::printf("mwidth %ld\nready\n", m.cx);
    std::fflush(stdout);
}

// Waits for the dialog's first message and reports once it is shown and has the focus.
LRESULT CALLBACK WatchDialog(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_INITDIALOG)
        SetTimer(message->hwnd, 1, 300, Report);
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: dialog_host ask NUMBER ANSWER KEEP [MAXLENGTH [CHARCASE]] | show TYPE NUMBER\n");
        return 2;
    }
    InitMessageCatalogue();
    hook = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchDialog, nullptr, GetCurrentThreadId());
    const std::string mode = argv[1];
    if (mode == "ask" && argc >= 5) {
        std::string answer = argv[3];
        if (argc >= 6)
            MessageInfo().MaxLength = std::atoi(argv[5]);
        if (argc >= 7)
            MessageInfo().CharCase = static_cast<TCharCase>(std::atoi(argv[6]));
        const bool confirmed = AskInput(std::atoi(argv[2]), answer, std::atoi(argv[4]) != 0);
        std::printf("confirmed=%d answer=[%s]\n", confirmed, answer.c_str());
    } else {
        ComposeMessage(std::atoi(argv[3]));
        std::string answer = "unchanged";
        const int result = ShowMessageDialog(static_cast<std::uint8_t>(std::atoi(argv[2])), answer);
        std::printf("result=%d answer=[%s]\n", result, answer.c_str());
    }
    UnhookWindowsHookEx(hook);
    return 0;
}
