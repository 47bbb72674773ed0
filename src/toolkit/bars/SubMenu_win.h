#ifndef PLUX_TOOLKIT_BARS_SUBMENU_WIN_H
#define PLUX_TOOLKIT_BARS_SUBMENU_WIN_H

#include <windows.h>

#include "toolkit/bars/BarModel.h"

// Shows a sub-menu item's links as a drop-down menu below `itemArea` (screen coordinates) and returns
// the command picked, 0 when the menu was left. Each entry shows glyph, caption with its access key
// and shortcut text; `owner` receives WM_MEASUREITEM and WM_DRAWITEM for the glyphs (item data: the
// glyph index). Opened by keyboard, the first entry is selected at once.
int TrackSubMenu(const TBarItem& subItem, HWND owner, const RECT& itemArea, bool byKeyboard);

#endif
