#ifndef PLUX_APP_MAINWINDOWSTATE_H
#define PLUX_APP_MAINWINDOWSTATE_H

#include <string>
#include <string_view>

#include "app/MainBarNames.h"
#include "state/BarItemMembers.h"
#include "state/ComponentState.h"
#include "state/FormState.h"
#include "state/StateAttachments.h"
#include "state/StateStore.h"
#include "support/FileSystem.h"
#include "support/ProgSettings.h"
#include "support/SystemFacts.h"

// The main window's stored state as its design declares it: the window's name, which names the state
// file, the section of both state components, and the component state's entries in their order. The
// members the entries name are bar items of the command table (Actions.h), which holds their design
// values.
inline constexpr std::string_view kMainWindowName = "frmPLUX";
inline constexpr std::string_view kMainWindowStateSection = "TfrmPLUX";

struct TStoredProperty {
    std::string_view Member;
    std::string_view Property;

    std::string Entry() const { return std::string(Member) + "." + std::string(Property); }
};

inline constexpr TStoredProperty kMainWindowStoredProperties[] = {
    {kColor1Item, "Description"},
    {kColor2Item, "Description"},
};

// The three state members of the main window with the settings of its design: IniFileStore, the
// storage of both components; FormState1 (fsState, fsPosition) and ComponentState (the entries above),
// both in the section above and attached in this order. The swatches are the bar items of `bars`, which
// the component state changes through the manager. The window calls the three notifications; a restore
// or save error goes to `report`.
class TMainWindowState {
    TBarItemMembers members_;  // before ComponentState, which looks its entries up in it

public:
    TMainWindowState(TFormWindow& window,
                     TBarManager& bars,
                     TFileSystem& files,
                     const TSystemFacts& facts,
                     TErrorReport report);

    TIniFileStore IniFileStore;
    TFormState FormState1;
    TComponentState ComponentState;
    TStateAttachments Attachments;
};

struct TBandColourCodes {
    std::string Color1;
    std::string Color2;
};

// The codes the main window's component state restores from its state file: the stored texts trimmed,
// the design codes where none is stored or the file cannot be read. Read as the window's component
// state reads them, into the codes alone: no bar is built.
TBandColourCodes StoredBandColourCodes(const TProgSettings& settings, TFileSystem& files, const TSystemFacts& facts);

#endif
