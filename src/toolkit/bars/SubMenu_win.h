#ifndef PLUX_TOOLKIT_BARS_SUBMENU_WIN_H
#define PLUX_TOOLKIT_BARS_SUBMENU_WIN_H

// The drop-down menu of a sub-menu item, in the bars' look: each entry shows glyph, caption with its
// access key, and shortcut text. The menu is drawn by its owner window: while Track runs, the owner
// hands WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR to HandleMenuMessage.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/bars/BarView_win.h"
#include "toolkit/win/Handles_win.h"

class TSubMenu {
public:
    TSubMenu(const TBarItem& subItem, const TBarViewContext& context);

    // Shows the menu below `itemArea` (screen coordinates) and returns the command picked, 0 when the
    // menu was left. Opened by keyboard, the first entry is selected at once. A click on `itemArea`
    // closes the menu and goes no further.
    int Track(HWND owner, const RECT& itemArea, bool byKeyboard);
    // After Track: true when the menu was left with Escape.
    bool LeftWithEscape() const { return leftWithEscape_; }
    // True when the message was one of this menu's; `result` is then the answer.
    bool HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

private:
    struct TEntry {
        std::string Caption;
        std::string ShortCut;
        int GlyphIndex = -1;
        int CommandId = 0;
        bool Enabled = true;
        bool Separator = false;
    };

    void Measure(MEASUREITEMSTRUCT& measure) const;
    void Draw(const DRAWITEMSTRUCT& draw) const;
    LRESULT MenuChar(char key) const;

    const TBarViewContext& context_;
    std::vector<TEntry> entries_;  // in menu order; item data is the index
    TScopedMenu menu_;
    bool leftWithEscape_ = false;
};

#endif
