#include "state/MainWindowState.h"

#include <iterator>

namespace {

// The component state's settings of the window's design, shared by the window and the export.
void SetUpComponentState(TComponentState& state, TAbstractStore& store) {
    state.Section = kMainWindowStateSection;
    state.SetStorage(&store);
    for (const TStoredProperty& property : kMainWindowStoredProperties)
        state.AddStoredProperty(property.Entry());
}

}  // namespace

void AddDesignItems(TBarManager& bars) {
    TBarItemMembers members(bars);
    for (const TStoredProperty& property : kMainWindowStoredProperties) {
        if (!bars.FindItem(property.Member)) {
            TBarItem item;
            item.Name = property.Member;
            bars.AddItem(std::move(item));
        }
        members.FindMember(property.Member)->SetPropertyText(property.Property, property.DesignValue);
    }
}

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

static_assert(std::size(kMainWindowStoredProperties) == 2, "the codes of Color 1 and Color 2, in this order");

// The window's own component state does the reading, on swatches that start with the design codes.
TBandColourCodes StoredBandColourCodes(const TProgSettings& settings, TFileSystem& files, const TSystemFacts& facts) {
    TBarManager swatches;
    AddDesignItems(swatches);
    TIniFileStore store(files, facts);
    store.IniFileName = settings.FormStateFileName(kMainWindowName);
    TBarItemMembers members(swatches);
    TComponentState state(members);
    SetUpComponentState(state, store);
    state.ResolveEntries();
    state.Restore();
    return TBandColourCodes{swatches.Items()[0]->Description, swatches.Items()[1]->Description};
}
