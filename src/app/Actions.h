#ifndef PLUX_APP_ACTIONS_H
#define PLUX_APP_ACTIONS_H

#include <span>
#include <string_view>

#include "toolkit/bars/BarModel.h"

// Command identifiers of the main window: the four actions, then the bar items with handlers of their own.
enum class TCommandId : int {
    DoCheck = 101,
    SaveResult = 102,
    Print = 103,
    FileExit = 104,
    PickColor1 = 201,
    PickColor2 = 202,
};

struct TAction {
    TCommandId Id;
    std::string_view Name;
    std::string_view Caption;
    std::string_view Hint;
    TShortCut ShortCut;
    int GlyphIndex;  // into the window's image list
};

// The window's actions, each always enabled.
std::span<const TAction> Actions();
const TAction& FindAction(TCommandId id);

#endif
