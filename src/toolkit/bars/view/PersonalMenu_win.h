#ifndef PLUX_TOOLKIT_BARS_VIEW_PERSONALMENU_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_PERSONALMENU_WIN_H

// A sub-menu as the user opens it from a bar: personalised when the manager says so (recent entries
// first; the chevron, or the delay when the options ask for it, shows the menu again with all its
// entries), and counting the use of the entry picked. While Track runs, the owner hands the menu's
// messages to HandleMenuMessage as it would to a TSubMenu.

#include <windows.h>

#include <memory>

#include "toolkit/bars/view/SubMenu_win.h"

class TPersonalMenu {
public:
    TPersonalMenu(const TBarItem& subItem, const TBarViewContext& context) : subItem_(subItem), context_(context) {}

    // The command picked, 0 when the menu was left.
    int Track(HWND owner, const RECT& itemArea, bool byKeyboard);
    // After Track: true when the menu was left with Escape.
    bool LeftWithEscape() const { return shown_ && shown_->LeftWithEscape(); }
    bool HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The menu as it shows while Track runs; nullptr before.
    TSubMenu* Shown() const { return shown_.get(); }

private:
    void RecordUse(const TMenuPlan& plan, int command) const;

    const TBarItem& subItem_;
    const TBarViewContext& context_;
    std::unique_ptr<TSubMenu> shown_;
    bool expandDue_ = false;
};

#endif
