#include "state/BarItemMembers.h"

#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

struct TTextProperty {
    std::string_view Name;
    std::string TBarItem::*Field;
};

constexpr TTextProperty kPublishedProperties[] = {
    {"Caption", &TBarItem::Caption},
    {"Hint", &TBarItem::Hint},
    {"Description", &TBarItem::Description},
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
    explicit TItemMember(TBarItem& item) : item_(item) {}

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
    void SetPropertyText(std::string_view declaredName, std::string_view value) override {
        item_.*Declared(declaredName).Field = std::string(value);
    }

private:
    static const TTextProperty& Declared(std::string_view name) {
        const TTextProperty* found = FindProperty(name);
        if (!found)
            throw Exception("No property " + std::string(name));
        return *found;
    }

    TBarItem& item_;
};

TBarItemMembers::TBarItemMembers(TBarManager& manager) : manager_(manager) {}

TBarItemMembers::~TBarItemMembers() = default;

TStateMember* TBarItemMembers::FindMember(std::string_view name) {
    TBarItem* item = manager_.FindItem(name);
    if (!item)
        return nullptr;
    auto& member = members_[item];
    if (!member)
        member = std::make_unique<TItemMember>(*item);
    return member.get();
}
