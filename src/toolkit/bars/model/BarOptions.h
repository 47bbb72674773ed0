#ifndef PLUX_TOOLKIT_BARS_MODEL_BAROPTIONS_H
#define PLUX_TOOLKIT_BARS_MODEL_BAROPTIONS_H

// What of a manager the user may change and the layout file keeps, declared once: the options, in the
// order the file writes them and with the texts the Options page shows for them, and the values of a
// bar's place. The layout file's load and save and the Options page walk these tables, so a new option
// is one row here.

#include <array>
#include <string_view>
#include <variant>

#include "toolkit/bars/model/BarModel.h"

// The names of the menu animations, in the order of TMenuAnimations.
inline constexpr std::array<std::string_view, 5> kMenuAnimationNames = {"(None)", "Random", "Unfold", "Slide", "Fade"};

struct TBarOption {
    std::string_view Name;     // as the layout file stores it
    std::string_view Caption;  // on the Options page
    // A flag, or the ordinal of the menu animations (one of kMenuAnimationNames).
    std::variant<bool TBarManagerOptions::*, TMenuAnimations TBarManagerOptions::*> Value;
    // Kept and offered only by a manager that keeps recent items.
    bool RecentItems = false;
    // Offered only while this flag is set (a detail of it, shown indented below it); null: always.
    bool TBarManagerOptions::*Requires = nullptr;
};

inline constexpr TBarOption kBarOptions[] = {
    {"MenusShowRecentItemsFirst", "Menus show &recently used commands first",
     &TBarManagerOptions::MenusShowRecentItemsFirst, true},
    {"ShowFullMenusAfterDelay", "Show full menus after a short &delay", &TBarManagerOptions::ShowFullMenusAfterDelay,
     true, &TBarManagerOptions::MenusShowRecentItemsFirst},
    {"LargeIcons", "&Large icons", &TBarManagerOptions::LargeIcons},
    {"MenuAnimations", "&Menu animations:", &TBarManagerOptions::MenuAnimations},
    {"ShowHint", "Show &hints on bars", &TBarManagerOptions::ShowHint},
    {"ShowShortCutInHint", "Show shortcut &keys in hints", &TBarManagerOptions::ShowShortCutInHint, false,
     &TBarManagerOptions::ShowHint},
};

// True when the manager keeps the option (its style keeps recent items, or the option is none of those).
bool KeepsOption(const TBarManager& manager, const TBarOption& option);
// True when the Options page lets the user change the option now.
bool OptionEnabled(const TBarManager& manager, const TBarOption& option);

// One value of a bar's place, as the layout file stores it; they apply in this order.
struct TBarPlaceValue {
    std::string_view Name;
    std::variant<TDockingStyle TBarPlace::*, int TBarPlace::*, bool TBarPlace::*> Value;
    bool MissingMeansFalse = false;  // a missing flag reads as false instead of keeping the current value
};

inline constexpr TBarPlaceValue kBarPlaceValues[] = {
    {"DockedDockingStyle", &TBarPlace::DockedDockingStyle},
    {"DockedLeft", &TBarPlace::DockedLeft},
    {"DockedTop", &TBarPlace::DockedTop},
    {"OneOnRow", &TBarPlace::OneOnRow},
    {"Row", &TBarPlace::Row},
    {"FloatLeft", &TBarPlace::FloatLeft},
    {"FloatTop", &TBarPlace::FloatTop},
    {"FloatClientWidth", &TBarPlace::FloatClientWidth},
    {"FloatClientHeight", &TBarPlace::FloatClientHeight},
    {"DockingStyle", &TBarPlace::DockingStyle},
    {"Visible", &TBarPlace::Visible, true},
};

// The number of values of an enumeration the tables store as an ordinal.
inline constexpr int kDockingStyleCount = 5;
inline constexpr int kMenuAnimationCount = static_cast<int>(kMenuAnimationNames.size());

#endif
