#include "toolkit/win/SystemLook_win.h"

#include <windows.h>

#include <cstdlib>
#include <optional>

namespace {

std::optional<bool> highContrast;

// Wine keeps no high-contrast state of its own: it refuses SPI_SETHIGHCONTRAST (ERROR_INVALID_SPI_VALUE)
// and SPI_GETHIGHCONTRAST says off whatever was set. There the user's stored setting, where Windows keeps
// it too, is the state.
bool OnWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

bool StoredHighContrast() {
    char flags[16] = {};
    DWORD size = sizeof flags - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Accessibility\\HighContrast", "Flags", RRF_RT_REG_SZ, nullptr,
                     flags, &size) != ERROR_SUCCESS)
        return false;
    return (std::strtoul(flags, nullptr, 10) & HCF_HIGHCONTRASTON) != 0;
}

bool ReadHighContrast() {
    if (OnWine())
        return StoredHighContrast();
    HIGHCONTRASTA setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

bool HighContrast() {
    if (!highContrast)
        highContrast = ReadHighContrast();
    return *highContrast;
}

void RereadSystemLook() {
    highContrast.reset();
}

TSystemColours SystemColours() {
    TSystemColours colours;
    colours.Window = GetSysColor(COLOR_WINDOW);
    colours.WindowText = GetSysColor(COLOR_WINDOWTEXT);
    colours.Highlight = GetSysColor(COLOR_HIGHLIGHT);
    colours.HighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    colours.ButtonFace = GetSysColor(COLOR_BTNFACE);
    colours.ButtonText = GetSysColor(COLOR_BTNTEXT);
    colours.ButtonShadow = GetSysColor(COLOR_BTNSHADOW);
    colours.GrayText = GetSysColor(COLOR_GRAYTEXT);
    colours.MenuText = GetSysColor(COLOR_MENUTEXT);
    return colours;
}
