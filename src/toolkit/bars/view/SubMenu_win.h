#ifndef PLUX_TOOLKIT_BARS_VIEW_SUBMENU_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_SUBMENU_WIN_H

// The drop-down menu of a sub-menu item, in the bars' look: each entry shows glyph, caption with its
// access key, and shortcut text. The menu is drawn by its owner window: while Track runs, the owner
// hands WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR to HandleMenuMessage.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/bars/model/PersonalMenu.h"
#include "toolkit/bars/view/BarView_win.h"
#include "toolkit/win/Handles_win.h"

class TSubMenu {
public:
    // What Track returns for the chevron entry that a plan which can expand ends with.
    static constexpr int kChevronCommand = 0x7FFF;

    // The entries of `plan`, which is made for the links of `subItem`.
    TSubMenu(const TBarItem& subItem, const TBarViewContext& context, const TMenuPlan& plan);

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
        bool Recessed = false;  // shown only in the expanded menu
        bool Chevron = false;
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
