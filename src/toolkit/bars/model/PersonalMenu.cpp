#include "toolkit/bars/model/PersonalMenu.h"

#include <algorithm>

namespace {

// A drop-down menu shows command buttons only.
bool IsMenuEntry(const TBarItemLink& link) {
    return link.Shown() && link.Item->Kind == TBarItemKind::Button;
}

// Per link: whether it counts as recent. Empty when no entry of the menu has been used yet.
std::vector<bool> RecentLinks(const TItemLinks& links) {
    std::vector<std::size_t> used;
    std::size_t entries = 0;
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (!IsMenuEntry(links[i]))
            continue;
        ++entries;
        if (links.RecentIndex(links[i].Id) >= 0)
            used.push_back(i);
    }
    if (used.empty())
        return {};
    std::sort(used.begin(), used.end(), [&](std::size_t a, std::size_t b) {
        return links.RecentIndex(links[a].Id) < links.RecentIndex(links[b].Id);
    });
    const std::size_t lately = std::max<std::size_t>(1, (entries + 1) / 2);
    std::vector<bool> recent(links.size(), false);
    for (std::size_t rank = 0; rank < used.size(); ++rank)
        recent[used[rank]] = rank < lately || links[used[rank]].UseCount >= kFrequentUseCount;
    return recent;
}

}  // namespace

bool PersonalisesMenus(const TBarManager& manager) {
    return manager.KeepsRecentItems() && manager.Options().MenusShowRecentItemsFirst;
}

TMenuPlan PlanMenu(const TItemLinks& links, bool personalised, bool expanded) {
    const std::vector<bool> recent = personalised ? RecentLinks(links) : std::vector<bool>{};
    TMenuPlan plan;
    bool groupPending = false;
    for (std::size_t i = 0; i < links.size(); ++i) {
        groupPending = groupPending || links[i].BeginGroup;
        if (!IsMenuEntry(links[i]))
            continue;
        const bool isRecent = recent.empty() || recent[i];
        if (!isRecent && !expanded) {
            plan.CanExpand = true;
            continue;
        }
        plan.Entries.push_back({i, groupPending && !plan.Entries.empty(), isRecent});
        groupPending = false;
    }
    return plan;
}

void RecordLinkUse(TBarManager& manager, TLinkId link) {
    const TBarItemLink* found = manager.FindLink(link);
    if (!found)
        return;
    TBarManager::TUpdate update(manager);
    TLinkSettings settings = *found;
    ++settings.UseCount;
    manager.SetLinkSettings(link, settings);
    manager.SetLinkRecentIndex(link, 0);
}
