#ifndef PLUX_TOOLKIT_BARS_MODEL_CUSTOMIZE_H
#define PLUX_TOOLKIT_BARS_MODEL_CUSTOMIZE_H

// The decisions of the customisation dialog, apart from its windows: what the user may do with a bar,
// the caption and place of a new bar, where a drop puts a link, what dragging a command or a link does,
// and the changes of a link's menu. Every change is an operation of the manager, so the views follow at
// once, the layout file keeps it, and Reset of a designed bar undoes it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/model/RowLayout.h"

// The main menu bar always shows; a designed bar can be reset to its design, a bar of the user's can be
// renamed and deleted.
struct TBarActions {
    bool Hide = false;
    bool Rename = false;
    bool Delete = false;
    bool Reset = false;

    bool operator==(const TBarActions&) const = default;
};

TBarActions ActionsFor(const TBarManager& manager, const TBar& bar);

// "Custom 1", or the next number no bar's caption has.
std::string ProposedBarCaption(const TBarManager& manager);
// Empty when `caption` may name a bar, `renamed` being the bar that is to get it (null for a new one);
// otherwise the text that tells the user why not.
std::string BarCaptionProblem(const TBarManager& manager, std::string_view caption, const TBar* renamed = nullptr);
// A new empty bar of the user's, shown at the top in a row of its own below the others.
const TBar& AddUserBar(TBarManager& manager, std::string caption);

// A place between the links of a bar: the link index a new link takes there.
struct TLinkDrop {
    TBarId Bar{};
    std::size_t Index = 0;
};

// The link index before which a drop at (x, y) (the bar's coordinates) goes. Within the line of items
// under the point (all items when none is), it goes before the first shown link whose middle is past the
// point along the bar, else after the line's last link; on a bar that shows no link, at 0.
std::size_t DropIndex(const TBar& bar, const TBarPlacement& placement, const TBarFrame& frame, int x, int y);
// Where the mark of a drop before link `index` shows, a thin band across the bar's line: at the leading
// edge of the first shown link from there on, the trailing edge of the last shown link, or after the
// grip of a bar that shows none.
TRect DropMark(const TBarPlacement& placement, const TBarFrame& frame, const TBarMetrics& metrics, std::size_t index);

// A command dropped on a bar: a new link to it.
void DropCommand(TBarManager& manager, const TBarItem& command, const TLinkDrop& drop);
// The bars the Commands page offers for a command without the mouse: those a drop can reach (the shown
// ones), in the manager's order.
std::vector<const TBar*> BarsToAddTo(const TBarManager& manager);
// A command put on a bar from that offer goes where a drop at the bar's end puts it.
void AddCommandToBar(TBarManager& manager, const TBarItem& command, TBarId bar);
// A link of a bar dropped on a bar moves there with its settings; dropped where no bar is, it is removed.
void DropLink(TBarManager& manager, TLinkId link, const std::optional<TLinkDrop>& drop);

// The changes of a link's menu.
void SetLinkBeginGroup(TBarManager& manager, TLinkId link, bool beginGroup);
void SetLinkPaintStyle(TBarManager& manager, TLinkId link, TPaintStyle style);
// The link's own caption; an empty one gives the link back the item's caption.
void SetLinkUserCaption(TBarManager& manager, TLinkId link, std::string caption);

// The categories the Commands page lists: the manager's in its order, then those that items name and
// the manager does not list, in the order of the items.
std::vector<std::string> CategoriesInOrder(const TBarManager& manager);
// The items of a category, in the manager's item order.
std::vector<const TBarItem*> ItemsOfCategory(const TBarManager& manager, std::string_view category);

#endif
