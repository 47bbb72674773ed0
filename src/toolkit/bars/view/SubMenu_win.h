#ifndef PLUX_TOOLKIT_BARS_VIEW_SUBMENU_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_SUBMENU_WIN_H

// The drop-down menu of a sub-menu item, in the bars' look: each entry shows glyph, caption with its
// access key, and shortcut text. The menu is drawn by its owner window: while Track runs, the owner
// hands WM_MEASUREITEM, WM_DRAWITEM, WM_MENUCHAR and WM_MENUSELECT to HandleMenuMessage. Its entries
// carry their names for assistive programs, which cannot read an owner-drawn entry, and the owner
// describes them too (Entry, EntryArea, Selected) and can pick one for them.

#include <windows.h>

#include <string>
#include <vector>

#include <oleacc.h>

#include "toolkit/bars/model/BarAccess.h"
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
    bool HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // While Track runs: the entries in menu order, where each shows on the screen, the one selected
    // (-1: none), and picking one as a click would.
    std::size_t EntryCount() const { return entries_.size(); }
    const TMenuEntryFacts& Entry(std::size_t index) const { return entries_[index].Facts; }
    RECT EntryArea(std::size_t index) const;
    int Selected() const { return selected_; }
    bool Pick(std::size_t index);

private:
    struct TEntry {
        // First: assistive programs find the name of an owner-drawn entry at the start of its item data.
        MSAAMENUINFO Msaa{};
        std::wstring MsaaName;
        TMenuEntryFacts Facts;
        int GlyphIndex = -1;
        int CommandId = 0;
        bool Recessed = false;  // shown only in the expanded menu
    };

    // The entry whose item data this is; nullptr for another menu's.
    const TEntry* EntryOf(ULONG_PTR itemData) const;
    void Measure(MEASUREITEMSTRUCT& measure, const TEntry& entry) const;
    void Draw(const DRAWITEMSTRUCT& draw, const TEntry& entry) const;
    LRESULT MenuChar(char key) const;

    const TBarViewContext& context_;
    std::vector<TEntry> entries_;  // in menu order, never moved once the menu is made
    TScopedMenu menu_;
    bool leftWithEscape_ = false;
    int selected_ = -1;
    int picked_ = 0;  // the command of an entry picked for an assistive program
};

#endif
