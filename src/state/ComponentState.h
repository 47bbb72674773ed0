#ifndef PLUX_STATE_COMPONENTSTATE_H
#define PLUX_STATE_COMPONENTSTATE_H

// TComponentState keeps chosen text properties of a window's members. Each entry of StoredProperties
// is "Member.Property"; ResolveEntries binds the entries to the members the window has and drops the
// rest; before every restore and save a bound entry is rewritten with its member's current name and
// an entry added since, bound to nothing, is dropped.
// The key of an entry is the member's name, ".", and the property's declared name. A restore never
// fails: an entry that cannot be restored keeps its value. A save's errors reach the caller.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/AbstractState.h"
#include "support/TextRoutines.h"

// A member of the window whose published text properties can be stored.
class TStateMember {
public:
    virtual ~TStateMember() = default;
    virtual std::string Name() const = 0;
    // The property's declared name, found without regard to case; nothing when it is not published.
    virtual std::optional<std::string> PublishedName(std::string_view property) const = 0;
    virtual std::string PropertyText(std::string_view declaredName) const = 0;
    virtual void SetPropertyText(std::string_view declaredName, std::string_view value) = 0;
};

// The members a window owns, found by name.
class TStateOwner {
public:
    virtual ~TStateOwner() = default;
    virtual TStateMember* FindMember(std::string_view name) = 0;
};

class TComponentState final : public TAbstractState {
public:
    explicit TComponentState(TStateOwner& owner);

    void AddStoredProperty(std::string entry);
    TTextList StoredProperties() const;
    // Once the window's members exist: splits each entry at its first ".", trims both parts, and keeps
    // only the entries whose parts are not empty and whose member the window has.
    void ResolveEntries();

protected:
    void RestoreOwnState() override;
    void SaveOwnState() override;

private:
    struct TEntry {
        std::string Text;
        TStateMember* Member = nullptr;  // bound by ResolveEntries
        std::string Property;
    };
    struct TBoundProperty {
        TStateMember* Member = nullptr;
        std::string DeclaredName;
        std::string Key;
    };
    // The entries rewritten from their members, and the properties they reach.
    std::vector<TBoundProperty> RefreshEntries();

    TStateOwner& owner_;
    std::vector<TEntry> entries_;
};

#endif
