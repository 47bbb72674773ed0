#ifndef PLUX_TOOLKIT_BARS_MODEL_BARACCESS_H
#define PLUX_TOOLKIT_BARS_MODEL_BARACCESS_H

// How the bars show to assistive programs (toolkit/Accessible.h). A bar is a menu bar or a tool bar
// named by its caption; each shown link is a child named by its caption without the access-key marks,
// with the role of what it does (a menu item opens a sub-menu, a push button runs a command, a combo
// box), its shortcut, the hint as its description, its state and what a click on it does. An open
// sub-menu is the one child of its link: a pop-up menu whose entries are menu items and separators.

#include <string>

#include "toolkit/Accessible.h"
#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/model/ItemState.h"

TAccessibleNode DescribeBar(const TBar& bar, const TRect& bounds);

// The link at `place` of a bar, as the tracking of its window and the focus of that window say.
TAccessibleNode DescribeLink(const TBarItemLink& link,
                             bool menuBar,
                             const TRect& bounds,
                             const TItemTracking& tracking,
                             int place);

// An entry of an open drop-down menu: a command, a separator, or the chevron that shows all entries.
struct TMenuEntryFacts {
    std::string Caption;
    std::string ShortCut;
    bool Enabled = true;
    bool Separator = false;
    bool Chevron = false;
};
TAccessibleNode DescribeMenu(const TBarItemLink& link, const TRect& bounds);
TAccessibleNode DescribeMenuEntry(const TMenuEntryFacts& entry, const TRect& bounds, bool selected);

#endif
