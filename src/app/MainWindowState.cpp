#include "app/MainWindowState.h"

#include <iterator>
#include <vector>

#include "app/Actions.h"

namespace {

// The component state's settings of the window's design, shared by the window and the export.
void SetUpComponentState(TComponentState& state, TAbstractStore& store) {
    state.Section = kMainWindowStateSection;
    state.SetStorage(&store);
    for (const TStoredProperty& property : kMainWindowStoredProperties)
        state.AddStoredProperty(property.Entry());
}

// The stored properties as plain texts with their design values, named as the window's members are:
// what the export restores the codes into.
class TStoredTexts final : public TStateOwner {
public:
    TStoredTexts() {
        for (const TStoredProperty& property : kMainWindowStoredProperties)
            members_.emplace_back(property);
    }

    TStateMember* FindMember(std::string_view name) override {
        for (TText& member : members_)
            if (SameTextUpper(member.Name(), name))
                return &member;
        return nullptr;
    }
    const std::string& Value(std::size_t index) const { return members_.at(index).Value(); }

private:
    class TText final : public TStateMember {
    public:
        explicit TText(const TStoredProperty& property)
            : property_(property), value_(FindCommandOfItem(property.Member)->Description) {}

        std::string Name() const override { return std::string(property_.Member); }
        std::optional<std::string> PublishedName(std::string_view property) const override {
            if (!SameTextUpper(property, property_.Property))
                return std::nullopt;
            return std::string(property_.Property);
        }
        std::string PropertyText(std::string_view) const override { return value_; }
        void SetPropertyText(std::string_view, std::string_view value) override { value_ = std::string(value); }
        const std::string& Value() const { return value_; }

    private:
        TStoredProperty property_;
        std::string value_;
    };

    std::vector<TText> members_;
};

static_assert(std::size(kMainWindowStoredProperties) == 2, "the codes of Color 1 and Color 2, in this order");

constexpr bool StoredMembersAreItems() {
    for (const TStoredProperty& property : kMainWindowStoredProperties) {
        bool found = false;
        for (const TCommand& command : kCommands)
            found = found || command.ItemName == property.Member;
        if (!found)
            return false;
    }
    return true;
}
static_assert(StoredMembersAreItems(), "the stored members are items of the command table");

}  // namespace

TMainWindowState::TMainWindowState(TFormWindow& window,
                                   TBarManager& bars,
                                   TFileSystem& files,
                                   const TSystemFacts& facts,
                                   TErrorReport report)
    : members_(bars),
      IniFileStore(files, facts),
      FormState1(window),
      ComponentState(members_),
      Attachments(std::move(report)) {
    FormState1.Section = kMainWindowStateSection;
    FormState1.Options = fsState | fsPosition;
    FormState1.SetStorage(&IniFileStore);
    SetUpComponentState(ComponentState, IniFileStore);
    Attachments.Attach(FormState1);
    Attachments.Attach(ComponentState);
    ComponentState.ResolveEntries();
}

TBandColourCodes StoredBandColourCodes(const TProgSettings& settings, TFileSystem& files, const TSystemFacts& facts) {
    TStoredTexts codes;
    TIniFileStore store(files, facts);
    store.IniFileName = settings.FormStateFileName(kMainWindowName);
    TComponentState state(codes);
    SetUpComponentState(state, store);
    state.ResolveEntries();
    state.Restore();
    return TBandColourCodes{codes.Value(0), codes.Value(1)};
}
