#ifndef PLUX_TOOLKIT_BARS_MODEL_BARKEYBOARD_H
#define PLUX_TOOLKIT_BARS_MODEL_BARKEYBOARD_H

// The toolbars by keyboard. F6 and Shift+F6 move the focus round a cycle: the window's content (the
// host's, before the first bar), then each toolbar that shows and holds an item the keyboard reaches,
// in the order the eye meets them: the docked ones side by side (top, left, right, bottom), row by row
// and along each row, then the floating ones. Within a focused bar the arrow keys (and Tab) move from
// item to item, round from the last to the first, Home and End go to the first and last, Enter and
// Space do what a click does, and Escape gives the focus back to the content. The keyboard reaches an
// item that is enabled and does something when clicked; the menu bar keeps its own keys (MenuKeys.h).

#include <optional>
#include <vector>

#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/model/KeyCodes.h"
#include "toolkit/bars/model/RowLayout.h"

bool KeyboardReaches(const TBarItem& item);

// The bars of the F6 cycle, in its order; the content comes before the first.
std::vector<TBarId> KeyboardBarCycle(const TBarManager& manager);
// The stop after `current` (before it, going backwards): a bar, or none for the content. A bar that is
// not in the cycle counts as the content.
std::optional<TBarId> NextKeyboardStop(const std::vector<TBarId>& cycle, std::optional<TBarId> current, bool backwards);

enum class TPlaceStep { First, Last, Next, Previous };
// The place (a shown link, counted from 0) the keyboard reaches from `from` (-1: none yet) by `step`;
// Next and Previous go round. -1 when the bar holds no place the keyboard reaches.
int KeyboardPlace(const TBar& bar, const TBarPlacement& placement, int from, TPlaceStep step);

enum class TToolbarCommand { None, Step, Run, Leave };
struct TToolbarKey {
    TToolbarCommand Command = TToolbarCommand::None;
    TPlaceStep Step = TPlaceStep::Next;  // for TToolbarCommand::Step
};
// What a key pressed in a focused bar does, the item at the focus being of kind `focused`. The arrows
// along the bar move; the arrow across it opens a sub-menu or a combo box, as Enter does.
TToolbarKey ToolbarKey(int key, bool shift, bool vertical, TBarItemKind focused);

#endif
