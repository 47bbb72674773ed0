#include "toolkit/bars/model/BarKeyboard.h"

#include <algorithm>
#include <tuple>

using namespace keys;

namespace {

int SideOrder(TDockingStyle side) {
    switch (side) {
        case TDockingStyle::Top:
            return 0;
        case TDockingStyle::Left:
            return 1;
        case TDockingStyle::Right:
            return 2;
        case TDockingStyle::Bottom:
            return 3;
        case TDockingStyle::None:
            break;
    }
    return 4;
}

bool HorizontalSide(TDockingStyle side) {
    return side == TDockingStyle::Top || side == TDockingStyle::Bottom;
}

bool HasReachableLink(const TBar& bar) {
    return std::any_of(bar.Links.begin(), bar.Links.end(),
                       [](const TBarItemLink& link) { return link.Shown() && KeyboardReaches(*link.Item); });
}

}  // namespace

bool KeyboardReaches(const TBarItem& item) {
    if (!item.Enabled)
        return false;
    switch (item.Kind) {
        case TBarItemKind::Button:
        case TBarItemKind::SubItem:
        case TBarItemKind::Combo:
            return true;
        case TBarItemKind::Progress:
            return item.Progress.Clickable;
    }
    return false;
}

std::vector<TBarId> KeyboardBarCycle(const TBarManager& manager) {
    struct TStop {
        int Side;
        int Row;
        int Along;
        std::size_t Index;
        TBarId Id;
    };
    std::vector<TStop> stops;
    for (std::size_t i = 0; i < manager.BarCount(); ++i) {
        const TBar& bar = manager.Bar(i);
        if (bar.IsMainMenu || !bar.Visible || !HasReachableLink(bar))
            continue;
        const bool docked = bar.Docked();
        const int along = HorizontalSide(bar.DockingStyle) ? bar.DockedLeft : bar.DockedTop;
        stops.push_back(TStop{SideOrder(bar.DockingStyle), docked ? bar.Row : 0, docked ? along : 0, i, bar.Id});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const TStop& a, const TStop& b) {
        return std::tie(a.Side, a.Row, a.Along, a.Index) < std::tie(b.Side, b.Row, b.Along, b.Index);
    });
    std::vector<TBarId> cycle;
    for (const TStop& stop : stops)
        cycle.push_back(stop.Id);
    return cycle;
}

// Stop 0 is the content, stop i the cycle's bar i - 1.
std::optional<TBarId> NextKeyboardStop(const std::vector<TBarId>& cycle,
                                       std::optional<TBarId> current,
                                       bool backwards) {
    const int stops = static_cast<int>(cycle.size()) + 1;
    int at = 0;
    if (current) {
        const auto found = std::find(cycle.begin(), cycle.end(), *current);
        if (found != cycle.end())
            at = static_cast<int>(found - cycle.begin()) + 1;
    }
    const int next = (at + (backwards ? stops - 1 : 1)) % stops;
    if (next == 0)
        return std::nullopt;
    return cycle[static_cast<std::size_t>(next - 1)];
}

int KeyboardPlace(const TBar& bar, const TBarPlacement& placement, int from, TPlaceStep step) {
    const int count = static_cast<int>(placement.Items.size());
    const auto reaches = [&](int place) {
        const std::size_t index = bar.Links.IndexOf(placement.Items[static_cast<std::size_t>(place)].Link);
        return index < bar.Links.size() && bar.Links[index].Item && KeyboardReaches(*bar.Links[index].Item);
    };
    const bool forward = step == TPlaceStep::First || step == TPlaceStep::Next;
    int start = 0;
    switch (step) {
        case TPlaceStep::First:
            start = 0;
            break;
        case TPlaceStep::Last:
            start = count - 1;
            break;
        case TPlaceStep::Next:
            start = from < 0 ? 0 : from + 1;
            break;
        case TPlaceStep::Previous:
            start = from < 0 ? count - 1 : from - 1;
            break;
    }
    for (int tried = 0; tried < count; ++tried) {
        const int place = ((start + (forward ? tried : -tried)) % count + count) % count;
        if (reaches(place))
            return place;
    }
    return -1;
}

TToolbarKey ToolbarKey(int key, bool shift, bool vertical, TBarItemKind focused) {
    const bool opens = focused == TBarItemKind::SubItem || focused == TBarItemKind::Combo;
    const int back = vertical ? kUp : kLeft;
    const int forward = vertical ? kDown : kRight;
    const int across = vertical ? kRight : kDown;
    if (key == back)
        return {TToolbarCommand::Step, TPlaceStep::Previous};
    if (key == forward)
        return {TToolbarCommand::Step, TPlaceStep::Next};
    switch (key) {
        case kTab:
            return {TToolbarCommand::Step, shift ? TPlaceStep::Previous : TPlaceStep::Next};
        case kHome:
            return {TToolbarCommand::Step, TPlaceStep::First};
        case kEnd:
            return {TToolbarCommand::Step, TPlaceStep::Last};
        case kReturn:
        case kSpace:
            return {TToolbarCommand::Run};
        case kEscape:
            return {TToolbarCommand::Leave};
        default:
            break;
    }
    if ((key == across || key == kF4) && opens)
        return {TToolbarCommand::Run};
    return {};
}
