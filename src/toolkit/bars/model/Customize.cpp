#include "toolkit/bars/model/Customize.h"

#include <algorithm>

namespace {

constexpr std::string_view kNewBarCaption = "Custom ";

// Captions match as access keys do: without regard to the case of ASCII letters.
bool SameCaption(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameAccessKey);
}

const TBar* BarWithCaption(const TBarManager& manager, std::string_view caption) {
    for (std::size_t i = 0; i < manager.BarCount(); ++i)
        if (SameCaption(manager.Bar(i).Caption, caption))
            return &manager.Bar(i);
    return nullptr;
}

// The bar that holds the link, with the link's index; nothing for a link of a sub-menu or none.
std::optional<TLinkDrop> PlaceOf(const TBarManager& manager, TLinkId link) {
    for (std::size_t i = 0; i < manager.BarCount(); ++i) {
        const TBar& bar = manager.Bar(i);
        const std::size_t index = bar.Links.IndexOf(link);
        if (index < bar.Links.size())
            return TLinkDrop{bar.Id, index};
    }
    return std::nullopt;
}

template <typename Change>
void ChangeLink(TBarManager& manager, TLinkId link, Change change) {
    const TBarItemLink* found = manager.FindLink(link);
    if (!found)
        return;
    TLinkSettings settings = *found;
    change(settings);
    manager.SetLinkSettings(link, settings);
}

}  // namespace

TBarActions ActionsFor(const TBarManager& manager, const TBar& bar) {
    const bool designed = manager.HasDesign(bar.Id);
    return TBarActions{!bar.IsMainMenu, !designed, !designed, designed};
}

std::string ProposedBarCaption(const TBarManager& manager) {
    for (int number = 1;; ++number) {
        std::string caption = std::string(kNewBarCaption) + std::to_string(number);
        if (!BarWithCaption(manager, caption))
            return caption;
    }
}

std::string BarCaptionProblem(const TBarManager& manager, std::string_view caption, const TBar* renamed) {
    if (caption.find_first_not_of(' ') == std::string_view::npos)
        return "Type a name for the bar.";
    const TBar* existing = BarWithCaption(manager, caption);
    if (existing && existing != renamed)
        return "A bar named \"" + std::string(caption) + "\" already exists. Type another name.";
    return {};
}

const TBar& AddUserBar(TBarManager& manager, std::string caption) {
    int row = -1;
    for (std::size_t i = 0; i < manager.BarCount(); ++i)
        if (manager.Bar(i).DockedDockingStyle == TDockingStyle::Top)
            row = std::max(row, manager.Bar(i).Row);
    TBarProperties bar;
    bar.Name = caption;
    bar.Caption = std::move(caption);
    bar.DockingStyle = bar.DockedDockingStyle = TDockingStyle::Top;
    bar.Row = row + 1;
    return manager.AddBar(std::move(bar));
}

std::size_t DropIndex(const TBar& bar, const TBarPlacement& placement, const TBarFrame& frame, int x, int y) {
    const int along = frame.Vertical ? y : x;
    const int across = frame.Vertical ? x : y;
    const auto inLine = [&](const TItemPlace& place) {
        return frame.Vertical ? place.Bounds.Left <= across && across < place.Bounds.Right
                              : place.Bounds.Top <= across && across < place.Bounds.Bottom;
    };
    const bool onALine = std::any_of(placement.Items.begin(), placement.Items.end(), inLine);
    const TItemPlace* last = nullptr;
    for (const TItemPlace& place : placement.Items) {
        if (onALine && !inLine(place))
            continue;
        const int middle = frame.Vertical ? (place.Bounds.Top + place.Bounds.Bottom) / 2
                                          : (place.Bounds.Left + place.Bounds.Right) / 2;
        if (along < middle)
            return place.LinkIndex;
        last = &place;
    }
    return last && onALine ? last->LinkIndex + 1 : bar.Links.size();
}

TRect DropMark(const TBarPlacement& placement, const TBarFrame& frame, const TBarMetrics& metrics, std::size_t index) {
    const auto band = [&](int along, const TRect& line) {
        return frame.Vertical ? TRect{line.Left, along - 1, line.Right, along + 1}
                              : TRect{along - 1, line.Top, along + 1, line.Bottom};
    };
    for (const TItemPlace& place : placement.Items)
        if (place.LinkIndex >= index)
            return band(frame.Vertical ? place.Bounds.Top : place.Bounds.Left, place.Bounds);
    if (!placement.Items.empty()) {
        const TRect& last = placement.Items.back().Bounds;
        return band(frame.Vertical ? last.Bottom : last.Right, last);
    }
    const int afterGrip = metrics.Border + (frame.Grip ? metrics.GripWidth : 0);
    const int thickness = frame.Vertical ? placement.Width : placement.Height;
    return band(afterGrip, frame.Vertical ? TRect{metrics.Border, 0, thickness - metrics.Border, 0}
                                          : TRect{0, metrics.Border, 0, thickness - metrics.Border});
}

void DropCommand(TBarManager& manager, const TBarItem& command, const TLinkDrop& drop) {
    manager.InsertLink(drop.Bar, drop.Index, command);
}

std::vector<const TBar*> BarsToAddTo(const TBarManager& manager) {
    std::vector<const TBar*> bars;
    for (std::size_t i = 0; i < manager.BarCount(); ++i)
        if (manager.Bar(i).Visible)
            bars.push_back(&manager.Bar(i));
    return bars;
}

void AddCommandToBar(TBarManager& manager, const TBarItem& command, TBarId bar) {
    if (const TBar* target = manager.FindBar(bar))
        DropCommand(manager, command, {bar, target->Links.size()});
}

void DropLink(TBarManager& manager, TLinkId link, const std::optional<TLinkDrop>& drop) {
    const std::optional<TLinkDrop> from = PlaceOf(manager, link);
    if (!from)
        return;
    if (!drop) {
        manager.RemoveLink(link);
        return;
    }
    if (drop->Bar == from->Bar) {
        // Dropped on either side of itself, the link stays; past itself, it counts from after its removal.
        if (drop->Index != from->Index && drop->Index != from->Index + 1)
            manager.MoveLink(link, drop->Index > from->Index ? drop->Index - 1 : drop->Index);
        return;
    }
    const TBarItemLink& moved = *manager.FindLink(link);
    const TBarItem& item = *moved.Item;
    const TLinkSettings settings = moved;
    TBarManager::TUpdate update(manager);
    manager.RemoveLink(link);
    manager.InsertLink(drop->Bar, drop->Index, item, settings);
}

void SetLinkBeginGroup(TBarManager& manager, TLinkId link, bool beginGroup) {
    ChangeLink(manager, link, [&](TLinkSettings& settings) { settings.BeginGroup = beginGroup; });
}

void SetLinkPaintStyle(TBarManager& manager, TLinkId link, TPaintStyle style) {
    ChangeLink(manager, link, [&](TLinkSettings& settings) {
        settings.UserDefine |= kUserDefinePaintStyle;
        settings.UserPaintStyle = style;
    });
}

void SetLinkUserCaption(TBarManager& manager, TLinkId link, std::string caption) {
    ChangeLink(manager, link, [&](TLinkSettings& settings) {
        if (caption.empty())
            settings.UserDefine &= ~kUserDefineCaption;
        else
            settings.UserDefine |= kUserDefineCaption;
        settings.UserCaption = std::move(caption);
    });
}

std::vector<std::string> CategoriesInOrder(const TBarManager& manager) {
    std::vector<std::string> categories = manager.Categories;
    for (const auto& item : manager.Items())
        if (std::find(categories.begin(), categories.end(), item->Category) == categories.end())
            categories.push_back(item->Category);
    return categories;
}

std::vector<const TBarItem*> ItemsOfCategory(const TBarManager& manager, std::string_view category) {
    std::vector<const TBarItem*> items;
    for (const auto& item : manager.Items())
        if (item->Category == category)
            items.push_back(item.get());
    return items;
}
