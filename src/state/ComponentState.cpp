#include "state/ComponentState.h"

#include <exception>

#include "state/StateStore.h"

TComponentState::TComponentState(TStateOwner& owner) : owner_(owner) {}

void TComponentState::AddStoredProperty(std::string entry) {
    entries_.push_back(TEntry{std::move(entry), nullptr, {}});
}

TTextList TComponentState::StoredProperties() const {
    TTextList texts;
    for (const TEntry& entry : entries_)
        texts.push_back(entry.Text);
    return texts;
}

void TComponentState::ResolveEntries() {
    std::vector<TEntry> resolved;
    for (TEntry& entry : entries_) {
        const std::size_t dot = entry.Text.find('.');
        if (dot == std::string::npos)
            continue;
        const std::string memberName = Trim(std::string_view(entry.Text).substr(0, dot));
        entry.Property = Trim(std::string_view(entry.Text).substr(dot + 1));
        if (memberName.empty() || entry.Property.empty())
            continue;
        entry.Member = owner_.FindMember(memberName);
        if (entry.Member)
            resolved.push_back(std::move(entry));
    }
    entries_ = std::move(resolved);
}

std::vector<TComponentState::TBoundProperty> TComponentState::RefreshEntries() {
    std::erase_if(entries_, [](const TEntry& entry) { return entry.Member == nullptr; });
    std::vector<TBoundProperty> properties;
    for (TEntry& entry : entries_) {
        const std::string memberName = entry.Member->Name();
        entry.Text = memberName + "." + entry.Property;
        if (const auto declared = entry.Member->PublishedName(entry.Property))
            properties.push_back(TBoundProperty{entry.Member, *declared, memberName + "." + *declared});
    }
    return properties;
}

// A stored value that cannot be taken leaves the property as it is, whatever went wrong.
void TComponentState::RestoreOwnState() {
    try {
        const std::vector<TBoundProperty> properties = RefreshEntries();
        WithOpenStore([&](TAbstractStore& store) {
            for (const TBoundProperty& property : properties) {
                try {
                    const std::string current = property.Member->PropertyText(property.DeclaredName);
                    const std::string stored = store.ReadText(Section, property.Key, current);
                    property.Member->SetPropertyText(property.DeclaredName, Trim(stored));
                } catch (const std::exception&) {
                    continue;
                }
            }
        });
    } catch (const std::exception&) {
        return;
    }
}

void TComponentState::SaveOwnState() {
    const std::vector<TBoundProperty> properties = RefreshEntries();
    WithOpenStore([&](TAbstractStore& store) {
        for (const TBoundProperty& property : properties)
            store.WriteText(Section, property.Key, Trim(property.Member->PropertyText(property.DeclaredName)));
    });
}
