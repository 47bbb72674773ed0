// Looks at a running plux.exe from outside, as the end-to-end scripts need it: where its window and
// bars are, which tool tip or message box shows, and answers the colour dialog. Prints plain
// "key value" lines; exit code 0 when the thing asked for was there, 1 when not, 2 on bad usage.
#include <windows.h>

#include <colordlg.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PluxProbeControls_win.h"
#include "PluxProbeLongWork_win.h"
#include "PluxProbeRemote_win.h"

namespace {

constexpr DWORD kPollMilliseconds = 100;

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The text of another process's control: across processes GetWindowText reads captions only.
std::string ControlText(HWND control) {
    char text[1024] = {};
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

HWND MainWindow() {
    return FindWindowA("TfrmPLUX", nullptr);
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// Top-level windows of plux's process with the given class (any class when empty), visible ones only
// unless `all`.
std::vector<HWND> TopLevel(const char* className, bool all) {
    struct TSearch {
        DWORD Process;
        std::string ClassName;
        bool All;
        std::vector<HWND> Found;
    } search{ProcessOf(MainWindow()), className, all, {}};
    if (!search.Process)
        return {};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<TSearch*>(data);
            if (ProcessOf(window) == s.Process && (s.All || IsWindowVisible(window)) &&
                (s.ClassName.empty() || ClassOf(window) == s.ClassName))
                s.Found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::vector<HWND> VisibleTopLevel(const char* className) {
    return TopLevel(className, false);
}

int ListWindows() {
    for (HWND window : TopLevel("", true)) {
        RECT r;
        GetWindowRect(window, &r);
        std::printf("window %s visible=%d %ld,%ld %ldx%ld \"%s\"\n", ClassOf(window).c_str(),
                    IsWindowVisible(window) ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top,
                    TextOf(window).c_str());
    }
    return 0;
}

HWND ChildWithText(HWND parent, const char* className, const std::string& text) {
    struct TSearch {
        const char* ClassName;
        std::string Text;
        HWND Found;
    } search{className, text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<TSearch*>(data);
            if (ClassOf(window) == s.ClassName && (s.Text.empty() || TextOf(window) == s.Text)) {
                s.Found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

void PrintScreenRect(const char* key, HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    std::printf("%s %ld %ld %ld %ld\n", key, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Waits up to `seconds` for `ready` to hold.
template <typename Ready>
bool WaitFor(double seconds, Ready ready) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (ready())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(kPollMilliseconds);
    }
}

// Wine's modal loop hides an ended dialog at once but destroys it (and unmaps its X window, which
// would swallow the next click) only when another message arrives; the probe sends those.
bool WaitUntilDestroyed(HWND dialog) {
    return WaitFor(10, [&] {
        PostMessageA(dialog, WM_NULL, 0, 0);
        return !IsWindow(dialog);
    });
}

// The first dialog that plux shows within ten seconds, or null.
HWND WaitForDialog() {
    HWND dialog = nullptr;
    WaitFor(10, [&] {
        const auto dialogs = VisibleTopLevel("#32770");
        dialog = dialogs.empty() ? nullptr : dialogs.front();
        return dialog != nullptr;
    });
    return dialog;
}

void PrintClientRect(const char* key, HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%s %ld %ld %ld %ld\n", key, origin.x, origin.y, client.right, client.bottom);
}

// The main window on the screen, and the client area of its report view, where the report shows.
int ShowWindowFacts() {
    const HWND window = MainWindow();
    if (!window)
        return 1;
    PrintScreenRect("bounds", window);
    PrintClientRect("client", window);
    if (const HWND view = ChildWithText(window, "THtmlView", ""))
        PrintClientRect("view", view);
    std::printf("title-length %d\n", GetWindowTextLengthA(window));
    std::printf("visible %d\n", IsWindowVisible(window) ? 1 : 0);
    // Active once a closed dialog has handed the activation back; a click that comes earlier may be lost.
    std::printf("active %d\n", GetForegroundWindow() == window ? 1 : 0);
    HWND owner = GetWindow(window, GW_OWNER);
    std::printf("owner-title %s\n", owner ? TextOf(owner).c_str() : "");
    std::printf("owner-iconic %d\n", owner && IsIconic(owner) ? 1 : 0);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        std::printf("placement %u %u %ld %ld %ld %ld\n", placement.flags, placement.showCmd, r.left, r.top, r.right,
                    r.bottom);
    }
    return 0;
}

HWND ApplicationWindow() {
    return MainWindow() ? GetWindow(MainWindow(), GW_OWNER) : nullptr;
}

// The window of a shown bar, docked or floating; null when the bar shows nowhere.
HWND ShownBar(const std::string& caption) {
    HWND bar = MainWindow() ? ChildWithText(MainWindow(), "TBarWindow", caption) : nullptr;
    for (HWND floating : VisibleTopLevel("TFloatBar"))
        if (!bar || !IsWindowVisible(bar))
            bar = ChildWithText(floating, "TBarWindow", caption);
    return bar && IsWindowVisible(bar) ? bar : nullptr;
}

// The shown combo boxes of a bar, from its left end to its right.
std::vector<HWND> CombosOf(HWND bar) {
    std::vector<HWND> combos;
    for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "ComboBox" && IsWindowVisible(child))
            combos.push_back(child);
    std::sort(combos.begin(), combos.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.left < rb.left || (ra.left == rb.left && ra.top < rb.top);
    });
    return combos;
}

// A shown bar: its rectangle, the dock side that holds it ("float" for its own window, whose frame
// follows) and its combo box.
int ShowBar(const std::string& caption) {
    const HWND bar = ShownBar(caption);
    if (!bar)
        return 1;
    PrintScreenRect("bar", bar);
    const HWND holder = GetParent(bar);
    const bool floating = ClassOf(holder) == "TFloatBar";
    std::printf("side %s\n", floating ? "float" : TextOf(holder).c_str());
    if (floating)
        PrintScreenRect("frame", holder);
    if (const std::vector<HWND> combos = CombosOf(bar); !combos.empty())
        PrintScreenRect("combo", combos.front());
    return 0;
}

// The outline a bar drag shows, while it shows.
int ShowDragFeedback() {
    const auto outlines = VisibleTopLevel("TDragFeedback");
    if (outlines.empty())
        return 1;
    PrintScreenRect("feedback", outlines.front());
    return 0;
}

// A combo box on a shown bar (the bar's `index`th from the left) as the user sees it: where it is,
// enabled or not, its edit text and its list in order.
int ShowCombo(const std::string& caption, int index) {
    const HWND bar = ShownBar(caption);
    const std::vector<HWND> combos = bar ? CombosOf(bar) : std::vector<HWND>{};
    if (index < 0 || static_cast<std::size_t>(index) >= combos.size())
        return 1;
    const HWND combo = combos[static_cast<std::size_t>(index)];
    PrintScreenRect("combo", combo);
    std::printf("enabled %d\n", IsWindowEnabled(combo) ? 1 : 0);
    std::printf("text %s\n", ControlText(combo).c_str());
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    // Wine hands the ANSI form of an item to another process cut after its first character; the wide
    // form comes whole.
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t item[512] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 512)
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        char narrow[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, item, -1, narrow, sizeof narrow, nullptr, nullptr);
        std::printf("item %s\n", narrow);
    }
    return 0;
}

HWND VisibleWithCaption(const std::string& caption) {
    for (HWND window : VisibleTopLevel("")) {
        if (TextOf(window) == caption)
            return window;
    }
    return nullptr;
}

// Waits for plux's window with that caption (a message dialog's is "#<number>") and tells where it is
// and what its edit field holds.
int ShowDialog(const std::string& caption, double seconds) {
    HWND dialog = nullptr;
    if (!WaitFor(seconds, [&] { return (dialog = VisibleWithCaption(caption)) != nullptr; }))
        return 1;
    PrintScreenRect("dialog", dialog);
    if (const HWND edit = ChildWithText(dialog, "Edit", ""))
        std::printf("edit %s\n", ControlText(edit).c_str());
    return 0;
}

// A tool tip's text lives in plux's memory: the tool record and the text buffer are placed there, the
// control fills them, and the probe reads them back.
std::string ToolTipText(HWND tip) {
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(tip));
    if (!process)
        return {};
    constexpr SIZE_T kTextSize = 512;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(TTTOOLINFOA) + kTextSize, MEM_COMMIT, PAGE_READWRITE));
    std::string text;
    if (remote) {
        TTTOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        WriteProcessMemory(process, remote, &info, sizeof info, nullptr);
        if (SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(remote)) &&
            ReadProcessMemory(process, remote, &info, sizeof info, nullptr)) {
            info.lpszText = remote + sizeof info;
            WriteProcessMemory(process, remote, &info, sizeof info, nullptr);
            SendMessageA(tip, TTM_GETTEXTA, kTextSize, reinterpret_cast<LPARAM>(remote));
            char buffer[kTextSize] = {};
            if (ReadProcessMemory(process, remote + sizeof info, buffer, kTextSize - 1, nullptr))
                text = buffer;
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

int ShowToolTips() {
    for (HWND tip : VisibleTopLevel("tooltips_class32"))
        std::printf("tooltip %s\n", ToolTipText(tip).c_str());
    return 0;
}

// The colour dialog's Red, Green and Blue fields; setting their text makes the dialog take the colour.
void EnterColor(HWND dialog, const char* red, const char* green, const char* blue) {
    const int fields[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    const char* values[] = {red, green, blue};
    for (int i = 0; i < 3; ++i)
        SetWindowTextA(GetDlgItem(dialog, fields[i]), values[i]);
}

int AnswerColorDialog(bool confirm, const char* red, const char* green, const char* blue) {
    const HWND dialog = WaitForDialog();
    if (!dialog)
        return 1;
    if (confirm)
        EnterColor(dialog, red, green, blue);
    PostMessageA(dialog, WM_COMMAND, confirm ? IDOK : IDCANCEL, 0);
    return WaitUntilDestroyed(dialog) ? 0 : 1;
}

// Where the colour dialog shows its custom colours and its "Add to Custom Colors" button, on screen;
// a colour given (red null when not) is entered first.
int ShowColorDialog(const char* red, const char* green, const char* blue) {
    const HWND dialog = WaitForDialog();
    if (!dialog)
        return 1;
    if (red)
        EnterColor(dialog, red, green, blue);
    const HWND custom = GetDlgItem(dialog, COLOR_CUSTOM1), add = GetDlgItem(dialog, COLOR_ADD);
    if (!custom || !add)
        return 1;
    PrintScreenRect("custom", custom);
    PrintScreenRect("add", add);
    return 0;
}

// The text of the message box shown by plux, which is then closed with its button.
int AnswerMessageBox() {
    const HWND box = WaitForDialog();
    if (!box)
        return 1;
    std::printf("title %s\n", TextOf(box).c_str());
    if (const HWND text = GetDlgItem(box, 0xFFFF))
        std::printf("text %s\n", TextOf(text).c_str());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitUntilDestroyed(box) ? 0 : 1;
}

// Which of plux's windows is active and which has the keyboard focus (by class), and whether a menu
// runs its loop.
int ShowFocus() {
    const HWND window = MainWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return 1;
    std::printf("active %s\n", info.hwndActive ? ClassOf(info.hwndActive).c_str() : "");
    std::printf("focus %s\n", info.hwndFocus ? ClassOf(info.hwndFocus).c_str() : "");
    std::printf("menu-mode %d\n", (info.flags & GUI_INMENUMODE) ? 1 : 0);
    return 0;
}

// What a click on the task bar button of the minimised program sends.
int RestoreFromTaskBar() {
    const HWND application = MainWindow() ? GetWindow(MainWindow(), GW_OWNER) : nullptr;
    return application && PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0) ? 0 : 1;
}

// The status bar as its native control has it: the part edges, whether the size grip shows, the bar's
// screen rectangle, then per part its screen rectangle, border type (0 lowered, 256 none, 512 raised)
// and text.
int ShowStatusBar() {
    const HWND bar = MainWindow() ? FindWindowExA(MainWindow(), nullptr, STATUSCLASSNAMEA, nullptr) : nullptr;
    constexpr SIZE_T kMemorySize = 4096;
    TRemoteMemory memory(ProcessOf(bar), kMemorySize);
    if (!bar || !memory)
        return 1;
    int edges[256] = {};
    const int parts = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 256, memory.Address()));
    memory.Read(edges, sizeof edges);
    std::printf("edges");
    for (int i = 0; i < parts; ++i)
        std::printf(" %d", edges[i]);
    std::printf("\ngrip %d\n", (GetWindowLongA(bar, GWL_STYLE) & SBARS_SIZEGRIP) ? 1 : 0);
    PrintScreenRect("bar", bar);
    for (int i = 0; i < parts; ++i) {
        RECT r{};
        SendMessageA(bar, SB_GETRECT, i, memory.Address());
        memory.Read(&r, sizeof r);
        MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&r), 2);
        const LRESULT length = SendMessageA(bar, SB_GETTEXTLENGTHA, i, 0);
        char text[kMemorySize] = {};
        if (LOWORD(length) < kMemorySize) {
            SendMessageA(bar, SB_GETTEXTA, i, memory.Address());
            memory.Read(text, LOWORD(length));
        }
        std::printf("part %d %ld %ld %ld %ld %d %s\n", i, r.left, r.top, r.right - r.left, r.bottom - r.top,
                    HIWORD(length), text);
    }
    return 0;
}

// Whether a key is held down in the desktop's input: true from the moment a program of the desktop
// has taken the key's press from the display until it takes the release.
int ShowKeyDown(int key) {
    std::printf("down %d\n", (GetAsyncKeyState(key) & 0x8000) ? 1 : 0);
    return 0;
}

// The user's system setting that turns menu animation on and off: shown, or set (0 or 1) for the
// programs started from then on.
int MenuAnimationSetting(const char* value) {
    if (value) {
        const BOOL on = std::atoi(value) != 0;
        return SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on)),
                                     SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)
                   ? 0
                   : 1;
    }
    BOOL on = FALSE;
    if (!SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &on, 0))
        return 1;
    std::printf("menu-animation %d\n", on ? 1 : 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const double seconds = argc > 2 ? std::atof(argv[2]) : 0;
    if (const int controls = ProbeControls(command.c_str(), argc, argv); controls >= 0)
        return controls;
    if (const int longWork = ProbeLongWork(command.c_str(), argc, argv); longWork >= 0)
        return longWork;
    if (command == "window")
        return ShowWindowFacts();
    if (command == "windows")
        return ListWindows();
    // Waits for the main window, then tells what `window` tells.
    if (command == "wait-window")
        return WaitFor(seconds, [] { return MainWindow() && IsWindowVisible(MainWindow()); }) ? ShowWindowFacts() : 1;
    if (command == "bar" && argc > 2)
        return ShowBar(argv[2]);
    if (command == "combo" && argc > 2)
        return ShowCombo(argv[2], argc > 3 ? std::atoi(argv[3]) : 0);
    if (command == "dialog" && argc > 3)
        return ShowDialog(argv[2], std::atof(argv[3]));
    if (command == "dialog-closed" && argc > 3)
        return WaitFor(std::atof(argv[3]), [&] { return VisibleWithCaption(argv[2]) == nullptr; }) ? 0 : 1;
    if (command == "tooltips")
        return ShowToolTips();
    if (command == "feedback")
        return ShowDragFeedback();
    // The main window's outer size, as a user would drag its frame.
    if (command == "resize" && argc > 3)
        return SetWindowPos(MainWindow(), nullptr, 0, 0, std::atoi(argv[2]), std::atoi(argv[3]),
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    if (command == "focus")
        return ShowFocus();
    if (command == "restore")
        return RestoreFromTaskBar();
    if (command == "popup-menus") {
        for (HWND menu : VisibleTopLevel("#32768"))
            std::printf("menu %p\n", static_cast<void*>(menu));
        return 0;
    }
    if (command == "pick-color" && argc > 4)
        return AnswerColorDialog(true, argv[2], argv[3], argv[4]);
    if (command == "color-dialog")
        return argc > 4 ? ShowColorDialog(argv[2], argv[3], argv[4]) : ShowColorDialog(nullptr, nullptr, nullptr);
    if (command == "cancel-color")
        return AnswerColorDialog(false, "", "", "");
    if (command == "message-box")
        return AnswerMessageBox();
    if (command == "status-bar")
        return ShowStatusBar();
    if (command == "menu-animation")
        return MenuAnimationSetting(argc > 2 ? argv[2] : nullptr);
    if (command == "key-down" && argc > 2)
        return ShowKeyDown(std::atoi(argv[2]));
    // What Alt+Space sends to open the system menu: the window manager takes the keys for its own menu.
    if (command == "system-menu")
        return PostMessageA(MainWindow(), WM_SYSCOMMAND, SC_KEYMENU, ' ') ? 0 : 1;
    // What the close box sends.
    if (command == "close-box")
        return PostMessageA(MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    // What a click on the task bar button of the minimised program and Close on its menu send to the
    // window the task bar shows.
    if (command == "taskbar-restore")
        return PostMessageA(ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0) ? 0 : 1;
    if (command == "taskbar-close")
        return PostMessageA(ApplicationWindow(), WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    if (command == "wait-iconic")
        return WaitFor(seconds, [] { return ApplicationWindow() && IsIconic(ApplicationWindow()); }) ? 0 : 1;
    std::fprintf(
        stderr,
        "usage: plux_probe window | windows | wait-window SECONDS | bar CAPTION | feedback | resize W H | "
        "combo CAPTION [INDEX] | dialog CAPTION SECONDS | dialog-closed CAPTION SECONDS | tooltips | focus | restore | "
        "popup-menus | pick-color R G B | color-dialog [R G B] | cancel-color | message-box | close-box | "
        "status-bar | key-down VIRTUAL-KEY | menu-animation [0|1] | system-menu | taskbar-restore | taskbar-close | "
        "wait-iconic "
        "SECONDS | "
        "control CAPTION TEXT | tab CAPTION INDEX | list-item CAPTION TEXT | menu-bounds | capture\n");
    return 2;
}
