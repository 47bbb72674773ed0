// Looks at the running Plux as an assistive program does, through the platform's accessibility
// functions only, and prints what it finds.
//
//   plux_access tree           every window of Plux with its accessible objects, one line each:
//                              indentation by depth, then role|name|shortcut|value|description|states
//   plux_access window CAPTION the same for the controls of Plux's window (a dialog) with that caption
//   plux_access do NAME        runs the default action of the first object named NAME; prints "done"
//   plux_access contrast on|off  turns the system's high-contrast setting on or off and announces it
//   plux_access colours        the system colours high contrast paints in, as "name RRGGBB" lines
//
// The exit code is 0 on success, 1 when Plux's window or the object is not found, 2 on bad arguments.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// MinGW's import library gives a wrong IID_IAccessible in a static link; the value is the interface's.
constexpr IID kIAccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Narrow(BSTR text) {
    if (!text)
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    SysFreeString(text);
    return narrow;
}

VARIANT Self(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::string RoleOf(IAccessible* object, long id) {
    VARIANT role;
    VariantInit(&role);
    if (object->get_accRole(Self(id), &role) != S_OK || role.vt != VT_I4)
        return "?";
    char text[128] = {};
    GetRoleTextA(static_cast<DWORD>(role.lVal), text, sizeof text);
    return text;
}

std::string StatesOf(IAccessible* object, long id) {
    VARIANT state;
    VariantInit(&state);
    if (object->get_accState(Self(id), &state) != S_OK || state.vt != VT_I4)
        return "?";
    struct {
        DWORD Bit;
        const char* Name;
    } const names[] = {
        {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_FOCUSED, "focused"},
        {STATE_SYSTEM_PRESSED, "pressed"},         {STATE_SYSTEM_CHECKED, "checked"},
        {STATE_SYSTEM_HASPOPUP, "haspopup"},       {STATE_SYSTEM_EXPANDED, "expanded"},
        {STATE_SYSTEM_HOTTRACKED, "hot"},          {STATE_SYSTEM_READONLY, "readonly"},
        {STATE_SYSTEM_OFFSCREEN, "offscreen"},     {STATE_SYSTEM_FOCUSABLE, "focusable"},
    };
    std::string states;
    for (const auto& name : names)
        if (static_cast<DWORD>(state.lVal) & name.Bit)
            states += (states.empty() ? "" : ",") + std::string(name.Name);
    return states;
}

std::string NameOf(IAccessible* object, long id) {
    BSTR name = nullptr;
    return object->get_accName(Self(id), &name) == S_OK ? Narrow(name) : std::string();
}

std::string Line(IAccessible* object, long id) {
    BSTR shortcut = nullptr, value = nullptr, description = nullptr;
    const std::string keys = object->get_accKeyboardShortcut(Self(id), &shortcut) == S_OK ? Narrow(shortcut) : "";
    const std::string shown = object->get_accValue(Self(id), &value) == S_OK ? Narrow(value) : "";
    const std::string note = object->get_accDescription(Self(id), &description) == S_OK ? Narrow(description) : "";
    return RoleOf(object, id) + "|" + NameOf(object, id) + "|" + keys + "|" + shown + "|" + note + "|" +
           StatesOf(object, id);
}

// Visits an object and its children depth first; `visit` returns true to stop.
template <typename Visit>
bool Walk(IAccessible* object, long id, int depth, Visit& visit) {
    if (visit(object, id, depth))
        return true;
    if (id != CHILDID_SELF)
        return false;
    long count = 0;
    if (object->get_accChildCount(&count) != S_OK || count <= 0)
        return false;
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long obtained = 0;
    if (FAILED(AccessibleChildren(object, 0, count, children.data(), &obtained)))
        return false;
    bool stopped = false;
    for (long i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        if (!stopped && child.vt == VT_I4) {
            stopped = Walk(object, child.lVal, depth + 1, visit);
        } else if (!stopped && child.vt == VT_DISPATCH && child.pdispVal) {
            IAccessible* inner = nullptr;
            if (SUCCEEDED(child.pdispVal->QueryInterface(kIAccessibleId, reinterpret_cast<void**>(&inner)))) {
                stopped = Walk(inner, CHILDID_SELF, depth + 1, visit);
                inner->Release();
            }
        }
        VariantClear(&child);
    }
    return stopped;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Plux's windows that draw themselves, each the client of its own object: the main window's shown
// children, and those of the floating bars' windows, which the main window owns.
std::vector<HWND> PluxWindows(HWND main) {
    std::vector<HWND> windows;
    for (HWND child : ChildrenOf(main))
        if (IsWindowVisible(child))
            windows.push_back(child);
    std::vector<HWND> tops;
    EnumWindows(
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tops));
    for (HWND top : tops)
        if (top != main && IsWindowVisible(top) && GetParent(top) == main)
            for (HWND child : ChildrenOf(top))
                windows.push_back(child);
    return windows;
}

template <typename Visit>
bool WalkWindows(const std::vector<HWND>& windows, Visit visit) {
    for (HWND window : windows) {
        IAccessible* client = nullptr;
        if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIAccessibleId,
                                              reinterpret_cast<void**>(&client))))
            continue;
        const bool stopped = Walk(client, CHILDID_SELF, 0, visit);
        client->Release();
        if (stopped)
            return true;
    }
    return false;
}

// Windows keeps the setting with the user's and announces a change itself; Wine refuses to set it, so
// there the stored setting is what programs read, and the announcement is made here.
int SetHighContrast(bool on) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Accessibility\\HighContrast", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 1;
    const char* flags = on ? "127" : "126";
    RegSetValueExA(key, "Flags", 0, REG_SZ, reinterpret_cast<const BYTE*>(flags), 4);
    RegCloseKey(key);
    HIGHCONTRASTA setting{};
    setting.cbSize = sizeof setting;
    setting.dwFlags = on ? HCF_HIGHCONTRASTON : 0;
    if (!SystemParametersInfoA(SPI_SETHIGHCONTRAST, sizeof setting, &setting, SPIF_SENDCHANGE)) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST,
                            reinterpret_cast<LPARAM>("Accessibility"), SMTO_ABORTIFHUNG, 5000, &answer);
    }
    return 0;
}

int ShowColours() {
    struct {
        const char* Name;
        int Index;
    } const colours[] = {{"window", COLOR_WINDOW},       {"window-text", COLOR_WINDOWTEXT},
                         {"highlight", COLOR_HIGHLIGHT}, {"highlight-text", COLOR_HIGHLIGHTTEXT},
                         {"button-face", COLOR_BTNFACE}, {"gray-text", COLOR_GRAYTEXT}};
    for (const auto& colour : colours) {
        const COLORREF value = GetSysColor(colour.Index);
        std::printf("%s %02X%02X%02X\n", colour.Name, GetRValue(value), GetGValue(value), GetBValue(value));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "contrast" && argc > 2)
        return SetHighContrast(std::string(argv[2]) == "on");
    if (command == "colours")
        return ShowColours();
    const bool dialog = command == "window" && argc > 2;
    if (command != "tree" && !dialog && !(command == "do" && argc > 2))
        return 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWND main = dialog ? FindWindowA(nullptr, argv[2]) : FindWindowA("TfrmPLUX", nullptr);
    if (!main)
        return 1;
    const std::vector<HWND> windows = dialog ? ChildrenOf(main) : PluxWindows(main);
    if (command != "do") {
        WalkWindows(windows, [](IAccessible* object, long id, int depth) {
            std::printf("%s%s\n", std::string(static_cast<std::size_t>(depth) * 2, ' ').c_str(),
                        Line(object, id).c_str());
            return false;
        });
        return 0;
    }
    const std::string wanted = argv[2];
    HRESULT result = E_FAIL;
    const bool found = WalkWindows(windows, [&](IAccessible* object, long id, int) {
        if (NameOf(object, id) != wanted)
            return false;
        result = object->accDoDefaultAction(Self(id));
        return true;
    });
    if (!found)
        return 1;
    std::printf(result == S_OK ? "done\n" : "failed %08lx\n", static_cast<unsigned long>(result));
    return result == S_OK ? 0 : 1;
}
