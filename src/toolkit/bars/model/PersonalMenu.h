#ifndef PLUX_TOOLKIT_BARS_MODEL_PERSONALMENU_H
#define PLUX_TOOLKIT_BARS_MODEL_PERSONALMENU_H

// Personalised menus. A manager whose style is not the standard one, with "recent items first" on,
// opens a sub-menu with the entries the user has used lately or often, and the others hidden behind a
// chevron; the menu expands to all its entries when the chevron is picked or, with "full menus after a
// delay" on, once it has been open for kFullMenuDelayMilliseconds. Picking an entry counts one use of
// its link and puts the link first in its list's recently-used order.
//
// The recent entries: the most recently used half of the entries (at least one), and every used entry
// with at least kFrequentUseCount uses. Until an entry of the menu has been used, it shows all.

#include <cstddef>
#include <vector>

#include "toolkit/bars/model/BarModel.h"

inline constexpr int kFrequentUseCount = 3;
inline constexpr unsigned kFullMenuDelayMilliseconds = 3000;

struct TMenuEntryPlan {
    std::size_t LinkIndex = 0;
    bool SeparatorBefore = false;
    bool Recent = true;  // false: shown only once the menu is expanded

    bool operator==(const TMenuEntryPlan&) const = default;
};

struct TMenuPlan {
    std::vector<TMenuEntryPlan> Entries;
    bool CanExpand = false;  // entries are held back behind the chevron
};

// True when the manager's menus show their recent entries first.
bool PersonalisesMenus(const TBarManager& manager);

// The entries of a sub-menu: its shown button links in list order, personalised or not, expanded or
// not. A separator goes before an entry when the entry, or a link left out between it and the entry
// before, begins a group; never before the first entry.
TMenuPlan PlanMenu(const TItemLinks& links, bool personalised, bool expanded);

// One use of a link: its count goes up and it becomes the first of its list's recently-used order.
void RecordLinkUse(TBarManager& manager, TLinkId link);

#endif
