#ifndef PLUX_STATE_BARITEMMEMBERS_H
#define PLUX_STATE_BARITEMMEMBERS_H

#include <map>
#include <memory>

#include "state/ComponentState.h"
#include "toolkit/bars/model/BarModel.h"

// The items of a bar manager as the members a component state stores, by the item's name. An item
// publishes its text properties "Caption", "Hint" and "Description". The manager keeps its items for
// its whole life, so a member stays valid as long as the manager.
class TBarItemMembers final : public TStateOwner {
public:
    explicit TBarItemMembers(TBarManager& manager);
    ~TBarItemMembers() override;

    TStateMember* FindMember(std::string_view name) override;

private:
    class TItemMember;

    TBarManager& manager_;
    std::map<const TBarItem*, std::unique_ptr<TItemMember>> members_;
};

#endif
