#include "PluxProbeControls_win.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Across processes GetWindowText reads captions only; an edit field's text comes by WM_GETTEXT.
std::string TextOf(HWND window) {
    char text[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// The visible top-level windows of plux's process with that caption, front first (a message box may
// share its caption with the dialog that asked).
std::vector<HWND> PluxWindows(const std::string& caption) {
    struct TSearch {
        DWORD Process;
        std::string Caption;
        std::vector<HWND> Found;
    } search{ProcessOf(FindWindowA("TfrmPLUX", nullptr)), caption, {}};
    if (!search.Process)
        return {};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<TSearch*>(data);
            if (ProcessOf(window) == s.Process && IsWindowVisible(window) && TextOf(window) == s.Caption)
                s.Found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The first visible descendant that `matches`.
template <typename Match>
HWND VisibleDescendant(HWND parent, Match matches) {
    struct TSearch {
        Match* Matches;
        HWND Found;
    } search{&matches, nullptr};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<TSearch*>(data);
            if (!IsWindowVisible(window) || !(*s.Matches)(window))
                return TRUE;
            s.Found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The first visible descendant of the windows captioned `caption` that `matches`.
template <typename Match>
HWND FindControl(const std::string& caption, Match matches) {
    for (HWND window : PluxWindows(caption))
        if (const HWND control = VisibleDescendant(window, matches))
            return control;
    return nullptr;
}

void PrintRect(const char* key, RECT r) {
    std::printf("%s %ld %ld %ld %ld\n", key, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// A rectangle of `control`'s client area, as screen coordinates.
RECT OnScreen(HWND control, RECT r) {
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Sends a message whose LPARAM points to `size` bytes that the control reads and fills: the bytes are
// placed in plux's memory and read back into `data`.
bool SendRemote(HWND control, UINT message, WPARAM wParam, void* data, SIZE_T size) {
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(control));
    if (!process)
        return false;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    bool done = false;
    if (remote) {
        done = WriteProcessMemory(process, remote, data, size, nullptr) &&
               SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(remote)) &&
               ReadProcessMemory(process, remote, data, size, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return done;
}

int ShowControl(const std::string& caption, const std::string& text) {
    const HWND control = FindControl(caption, [&](HWND c) { return TextOf(c) == text; });
    if (!control)
        return 1;
    RECT r;
    GetWindowRect(control, &r);
    PrintRect("control", r);
    std::printf("enabled %d\n", IsWindowEnabled(control) ? 1 : 0);
    std::printf("checked %d\n", SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    return 0;
}

int ShowTab(const std::string& caption, int index) {
    const HWND tabs = FindControl(caption, [](HWND c) { return ClassOf(c) == WC_TABCONTROLA; });
    RECT r{};
    if (!tabs || !SendRemote(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), &r, sizeof r))
        return 1;
    PrintRect("tab", OnScreen(tabs, r));
    std::printf("selected %d\n", SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index ? 1 : 0);
    return 0;
}

// The text of a list view's entry, read through a record and a buffer in plux's memory.
std::string ItemText(HWND list, int index) {
    struct TRecord {
        LVITEMA Item;
        char Text[256];
    } record{};
    record.Item.iSubItem = 0;
    record.Item.cchTextMax = sizeof record.Text;
    // The control writes into the buffer its pointer names, which must point into plux's memory: the
    // record is first placed there to learn where that is.
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(list));
    if (!process)
        return {};
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof record, MEM_COMMIT, PAGE_READWRITE));
    std::string text;
    if (remote) {
        record.Item.pszText = remote + offsetof(TRecord, Text);
        if (WriteProcessMemory(process, remote, &record, sizeof record, nullptr) &&
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)) >= 0 &&
            ReadProcessMemory(process, remote, &record, sizeof record, nullptr))
            text.assign(record.Text, strnlen(record.Text, sizeof record.Text));
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

int ShowListItem(const std::string& caption, const std::string& text) {
    const HWND list = FindControl(caption, [](HWND c) { return ClassOf(c) == WC_LISTVIEWA; });
    if (!list)
        return 1;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        if (ItemText(list, index) != text)
            continue;
        RECT r{};
        r.left = LVIR_BOUNDS;
        if (!SendRemote(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), &r, sizeof r))
            return 1;
        PrintRect("item", OnScreen(list, r));
        const auto state =
            SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK | LVIS_SELECTED);
        std::printf("checked %d\n", (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2) ? 1 : 0);
        std::printf("selected %d\n", (state & LVIS_SELECTED) ? 1 : 0);
        return 0;
    }
    return 1;
}

// Where plux's open popup menus are: their height tells how many entries they show.
int ShowMenuBounds() {
    const DWORD plux = ProcessOf(FindWindowA("TfrmPLUX", nullptr));
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        if (ProcessOf(menu) != plux || !IsWindowVisible(menu))
            continue;
        RECT r;
        GetWindowRect(menu, &r);
        PrintRect("menu", r);
    }
    return 0;
}

// The class of the window of plux that holds the mouse (a drag in progress), if any.
int ShowCapture() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(FindWindowA("TfrmPLUX", nullptr), nullptr);
    if (!thread || !GetGUIThreadInfo(thread, &info) || !info.hwndCapture)
        return 1;
    std::printf("capture %s\n", ClassOf(info.hwndCapture).c_str());
    return 0;
}

}  // namespace

int ProbeControls(const char* command, int argc, char** argv) {
    const std::string verb = command;
    if (verb == "control" && argc > 3)
        return ShowControl(argv[2], argv[3]);
    if (verb == "tab" && argc > 3)
        return ShowTab(argv[2], std::atoi(argv[3]));
    if (verb == "list-item" && argc > 3)
        return ShowListItem(argv[2], argv[3]);
    if (verb == "capture")
        return ShowCapture();
    if (verb == "menu-bounds")
        return ShowMenuBounds();
    return -1;
}
