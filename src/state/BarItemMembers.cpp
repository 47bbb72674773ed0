#include "state/BarItemMembers.h"

#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

struct TTextProperty {
    std::string_view Name;
    std::string TBarItemProperties::*Field;
};

constexpr TTextProperty kPublishedProperties[] = {
    {"Caption", &TBarItemProperties::Caption},
    {"Hint", &TBarItemProperties::Hint},
    {"Description", &TBarItemProperties::Description},
};

const TTextProperty* FindProperty(std::string_view name) {
    for (const TTextProperty& property : kPublishedProperties) {
        if (SameTextUpper(property.Name, name))
            return &property;
    }
    return nullptr;
}

}  // namespace

class TBarItemMembers::TItemMember final : public TStateMember {
public:
    TItemMember(TBarManager& manager, const TBarItem& item) : manager_(manager), item_(item) {}

    std::string Name() const override { return item_.Name; }
    std::optional<std::string> PublishedName(std::string_view property) const override {
        const TTextProperty* found = FindProperty(property);
        if (!found)
            return std::nullopt;
        return std::string(found->Name);
    }
    std::string PropertyText(std::string_view declaredName) const override {
        return item_.*Declared(declaredName).Field;
    }
    // Through the manager, which tells the views.
    void SetPropertyText(std::string_view declaredName, std::string_view value) override {
        const TTextProperty& property = Declared(declaredName);
        manager_.ChangeItem(item_, [&](TBarItemProperties& item) { item.*property.Field = std::string(value); });
    }

private:
    static const TTextProperty& Declared(std::string_view name) {
        const TTextProperty* found = FindProperty(name);
        if (!found)
            throw Exception("No property " + std::string(name));
        return *found;
    }

    TBarManager& manager_;
    const TBarItem& item_;
};

TBarItemMembers::TBarItemMembers(TBarManager& manager) : manager_(manager) {}

TBarItemMembers::~TBarItemMembers() = default;

TStateMember* TBarItemMembers::FindMember(std::string_view name) {
    const TBarItem* item = manager_.FindItem(name);
    if (!item)
        return nullptr;
    auto& member = members_[item];
    if (!member)
        member = std::make_unique<TItemMember>(manager_, *item);
    return member.get();
}
