// The manager's operations: each changes the model, keeps its invariants and tells the listeners.
#include "toolkit/bars/model/BarModel.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace {

void KeepInvariants(TBarPlace& place) {
    if (place.Docked())
        place.DockedDockingStyle = place.DockingStyle;
    place.FloatClientWidth = std::max(place.FloatClientWidth, 0);
    place.FloatClientHeight = std::max(place.FloatClientHeight, 0);
}

}  // namespace

// The lists live in bars and items held by pointer, so a const manager still reaches them.
template <typename Visit>
void TBarManager::ForEachList(Visit visit) const {
    for (const TBarRecord& record : bars_)
        visit(record.Bar->Links);
    for (const auto& item : items_)
        visit(item->SubLinks);
}

void TBarManager::SetOptions(const TBarManagerOptions& options) {
    if (options_ == options)
        return;
    options_ = options;
    Changed();
}

const TBarItem& TBarManager::AddItem(TBarItemProperties item) {
    items_.push_back(std::make_unique<TBarItem>());
    static_cast<TBarItemProperties&>(*items_.back()) = std::move(item);
    Changed();
    return *items_.back();
}

void TBarManager::SetItem(const TBarItem& item, const TBarItemProperties& properties) {
    TBarItemProperties& current = OwnedItem(item);
    if (current == properties)
        return;
    current = properties;
    Changed();
}

void TBarManager::DeleteItem(const TBarItem& item) {
    ForEachList([&](TItemLinks& list) {
        for (TBarItemLink& link : list.links_)
            if (link.Item == &item)
                link.Item = nullptr;
    });
    for (TBarRecord& record : bars_)
        for (TDesignLink& link : record.DesignLinks)
            if (link.Item == &item)
                link.Item = nullptr;
    std::erase_if(items_, [&](const auto& owned) { return owned.get() == &item; });
    Changed();
}

const TBar& TBarManager::AddBar(TBarProperties properties, const std::vector<TDesignLink>& links) {
    for (const TDesignLink& link : links)
        if (link.Item)
            OwnedItem(*link.Item);
    TUpdate update(*this);
    KeepInvariants(properties);
    TBarRecord record;
    record.Bar = std::make_unique<TBar>();
    static_cast<TBarProperties&>(*record.Bar) = std::move(properties);
    record.Bar->Id = TBarId{++lastId_};
    record.DesignCaption = record.Bar->Caption;
    record.DesignLinks = links;
    bars_.push_back(std::move(record));
    TBar& bar = *bars_.back().Bar;
    for (const TDesignLink& link : links)
        if (link.Item)
            Insert(bar.Links, bar.Links.size(), *link.Item, link.Settings);
    Changed();
    return bar;
}

void TBarManager::DeleteBar(TBarId id) {
    RecordOf(id);
    std::erase_if(bars_, [&](const TBarRecord& record) { return record.Bar->Id == id; });
    Changed();
}

void TBarManager::RenameBar(TBarId id, std::string caption) {
    TBar& bar = BarOf(id);
    if (bar.Caption == caption)
        return;
    bar.Caption = std::move(caption);
    Changed();
}

void TBarManager::ResetBar(TBarId id) {
    const TBarRecord& record = RecordOf(id);
    TBar& bar = *record.Bar;
    bar.Caption = record.DesignCaption;
    Clear(bar.Links);
    for (const TDesignLink& link : record.DesignLinks)
        if (link.Item)
            Insert(bar.Links, bar.Links.size(), *link.Item, link.Settings);
    Changed();
}

bool TBarManager::HasDesign(TBarId id) const {
    for (const TBarRecord& record : bars_)
        if (record.Bar->Id == id)
            return !record.DesignLinks.empty();
    throw std::invalid_argument("No bar with this id");
}

void TBarManager::DockBar(TBarId id, const TDockPosition& position) {
    TBar& bar = BarOf(id);
    if (position.Side == TDockingStyle::None)
        throw std::invalid_argument("DockBar needs a side");
    if (position.NewRow) {
        for (TBarRecord& record : bars_) {
            TBar& other = *record.Bar;
            if (&other != &bar && other.DockedDockingStyle == position.Side && other.Row >= position.Row)
                ++other.Row;
        }
    }
    bar.DockingStyle = bar.DockedDockingStyle = position.Side;
    bar.Row = position.Row;
    bar.DockedLeft = position.Left;
    bar.DockedTop = position.Top;
    bar.Visible = true;
    Changed();
}

void TBarManager::FloatBar(TBarId id, int left, int top, int clientWidth, int clientHeight) {
    TBarPlace place = BarOf(id);
    place.DockingStyle = TDockingStyle::None;
    place.FloatLeft = left;
    place.FloatTop = top;
    place.FloatClientWidth = clientWidth;
    place.FloatClientHeight = clientHeight;
    place.Visible = true;
    SetBarPlace(id, place);
}

// A bar that never docked anywhere goes to the top.
void TBarManager::DockBack(TBarId id) {
    TBarPlace place = BarOf(id);
    place.DockingStyle =
        place.DockedDockingStyle == TDockingStyle::None ? TDockingStyle::Top : place.DockedDockingStyle;
    place.Visible = true;
    SetBarPlace(id, place);
}

void TBarManager::SetBarVisible(TBarId id, bool visible) {
    TBarPlace place = BarOf(id);
    place.Visible = visible;
    SetBarPlace(id, place);
}

void TBarManager::SetBarPlace(TBarId id, const TBarPlace& place) {
    TBarPlace& current = BarOf(id);
    TBarPlace kept = place;
    KeepInvariants(kept);
    if (current == kept)
        return;
    current = kept;
    Changed();
}

const TBar* TBarManager::FindBar(TBarId id) const {
    for (const TBarRecord& record : bars_)
        if (record.Bar->Id == id)
            return record.Bar.get();
    return nullptr;
}

TBarManager::TBarRecord& TBarManager::RecordOf(TBarId id) {
    for (TBarRecord& record : bars_)
        if (record.Bar->Id == id)
            return record;
    throw std::invalid_argument("No bar with this id");
}

TBar& TBarManager::BarOf(TBarId id) {
    return *RecordOf(id).Bar;
}

TLinkId TBarManager::InsertLink(TBarId bar, std::size_t index, const TBarItem& item, const TLinkSettings& settings) {
    const TLinkId id = Insert(BarOf(bar).Links, index, item, settings);
    Changed();
    return id;
}

TLinkId TBarManager::InsertLink(const TBarItem& subMenu,
                                std::size_t index,
                                const TBarItem& item,
                                const TLinkSettings& settings) {
    const TLinkId id = Insert(SubLinksOf(subMenu), index, item, settings);
    Changed();
    return id;
}

void TBarManager::ClearLinks(TBarId bar) {
    Clear(BarOf(bar).Links);
    Changed();
}

void TBarManager::ClearLinks(const TBarItem& subMenu) {
    Clear(SubLinksOf(subMenu));
    Changed();
}

void TBarManager::RemoveLink(TLinkId id) {
    const TLinkSlot slot = SlotOf(id);
    slot.List->links_.erase(slot.List->links_.begin() + static_cast<std::ptrdiff_t>(slot.Index));
    std::erase(slot.List->recent_, id);
    Changed();
}

void TBarManager::MoveLink(TLinkId id, std::size_t index) {
    const TLinkSlot slot = SlotOf(id);
    auto& links = slot.List->links_;
    TBarItemLink link = std::move(links[slot.Index]);
    links.erase(links.begin() + static_cast<std::ptrdiff_t>(slot.Index));
    links.insert(links.begin() + static_cast<std::ptrdiff_t>(std::min(index, links.size())), std::move(link));
    Changed();
}

void TBarManager::SetLinkSettings(TLinkId id, const TLinkSettings& settings) {
    const TLinkSlot slot = SlotOf(id);
    TLinkSettings& current = slot.List->links_[slot.Index];
    if (current == settings)
        return;
    current = settings;
    Changed();
}

void TBarManager::SetLinkRecentIndex(TLinkId id, int index) {
    auto& recent = SlotOf(id).List->recent_;
    std::erase(recent, id);
    if (index >= 0)
        recent.insert(recent.begin() + std::min<std::ptrdiff_t>(index, std::ssize(recent)), id);
    Changed();
}

const TBarItemLink* TBarManager::FindLink(TLinkId id) const {
    const TLinkSlot slot = FindSlot(id);
    return slot.List ? &(*slot.List)[slot.Index] : nullptr;
}

TBarItem& TBarManager::OwnedItem(const TBarItem& item) const {
    for (const auto& owned : items_)
        if (owned.get() == &item)
            return *owned;
    throw std::invalid_argument("The item is not one of this manager's");
}

TItemLinks& TBarManager::SubLinksOf(const TBarItem& subMenu) {
    return OwnedItem(subMenu).SubLinks;
}

TBarManager::TLinkSlot TBarManager::SlotOf(TLinkId id) const {
    const TLinkSlot slot = FindSlot(id);
    if (!slot.List)
        throw std::invalid_argument("No link with this id");
    return slot;
}

TBarManager::TLinkSlot TBarManager::FindSlot(TLinkId id) const {
    TLinkSlot slot;
    ForEachList([&](TItemLinks& list) {
        const std::size_t index = list.IndexOf(id);
        if (index < list.size())
            slot = {&list, index};
    });
    return slot;
}

TLinkId TBarManager::Insert(TItemLinks& list, std::size_t index, const TBarItem& item, const TLinkSettings& settings) {
    OwnedItem(item);
    TBarItemLink link;
    static_cast<TLinkSettings&>(link) = settings;
    link.Id = TLinkId{++lastId_};
    link.Item = &item;
    list.links_.insert(list.links_.begin() + static_cast<std::ptrdiff_t>(std::min(index, list.size())), link);
    return link.Id;
}

void TBarManager::Clear(TItemLinks& list) {
    list.links_.clear();
    list.recent_.clear();
}

void TBarManager::AddListener(TBarManagerListener& listener) {
    listeners_.push_back(&listener);
}

void TBarManager::RemoveListener(TBarManagerListener& listener) {
    std::erase(listeners_, &listener);
}

void TBarManager::Changed() {
    if (updateDepth_ > 0) {
        changePending_ = true;
        return;
    }
    changePending_ = false;
    // A listener may unregister while being told, so tell a copy.
    const auto listeners = listeners_;
    for (TBarManagerListener* listener : listeners)
        listener->BarsChanged();
}

TBarManager::TUpdate::~TUpdate() {
    if (--manager_.updateDepth_ == 0 && manager_.changePending_)
        manager_.Changed();
}
