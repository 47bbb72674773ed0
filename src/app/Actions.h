#ifndef PLUX_APP_ACTIONS_H
#define PLUX_APP_ACTIONS_H

// The main window's commands, declared once. kCommands has one row per bar item of the window, in the
// bar manager's item order: the item's name, kind, category and texts, and for an item that runs
// something its command id. An item bound to an action (btnDoCheck to actionDoCheck) takes caption,
// hint, shortcut and glyph from that action, so the row holds them for both; a swatch runs a command
// of its own without an action; the File menu and the snapshot chooser run nothing themselves (id 0).
// Everything else derives from the rows: BuildMainBars makes the items from them (the bars and their
// links are the design's, in MainBars.cpp), CreateActionAccelerators the shortcuts, and the window's
// dispatch (MainCommands_win.cpp) binds each id to one handler, which the build checks. A new command
// is a row here, a handler binding there and its links on the bars. Ids are what shortcuts, menus and
// bar items send; nothing stores them.

#include <string_view>

#include "app/MainBarNames.h"
#include "check/BandColours.h"
#include "toolkit/bars/BarModel.h"

struct TCommand {
    std::string_view ItemName = {};
    TBarItemKind Kind = TBarItemKind::Button;
    std::string_view Category = {};
    std::string_view Caption = {};
    std::string_view Hint = {};
    std::string_view Description = {};
    TShortCut ShortCut = {};
    int GlyphIndex = -1;               // into the window's image list; -1: none
    std::string_view ActionName = {};  // empty: the item is bound to no action
    int Id = 0;                        // 0: runs nothing of its own
};

constexpr TShortCut CtrlKey(char key) {
    return TShortCut{TShortCut::kCtrl | key};
}

inline constexpr TCommand kCommands[] = {
    {.ItemName = kDoCheckItem,
     .Category = kFileCategory,
     .Caption = "&Do Check",
     .ShortCut = CtrlKey('E'),
     .GlyphIndex = 1,
     .ActionName = "actionDoCheck",
     .Id = 101},
    {.ItemName = kSaveResultItem,
     .Category = kFileCategory,
     .Caption = "&Save Result",
     .Hint = "Save current result",
     .ShortCut = CtrlKey('S'),
     .GlyphIndex = 3,
     .ActionName = "actionSaveResult",
     .Id = 102},
    {.ItemName = kPrintItem,
     .Category = kFileCategory,
     .Caption = "&Print",
     .ShortCut = CtrlKey('P'),
     .GlyphIndex = 2,
     .ActionName = "actionPrint",
     .Id = 103},
    {.ItemName = kFileExitItem,
     .Category = kFileCategory,
     .Caption = "E&xit",
     .GlyphIndex = 0,
     .ActionName = "actionFileExit",
     .Id = 104},
    {.ItemName = kFileMenuItem, .Kind = TBarItemKind::SubItem, .Category = kMenusCategory, .Caption = "&File"},
    {.ItemName = kCompareFilesItem,
     .Kind = TBarItemKind::Combo,
     .Category = kDefaultCategory,
     .Caption = "Compare report with",
     .Hint = "Select a file to compare to"},
    {.ItemName = kColor1Item,
     .Kind = TBarItemKind::Progress,
     .Category = kColoursCategory,
     .Caption = "Color &1",
     .Hint = "Color 1",
     .Description = kDesignColor1Code,
     .Id = 201},
    {.ItemName = kColor2Item,
     .Kind = TBarItemKind::Progress,
     .Category = kColoursCategory,
     .Caption = "Color &2",
     .Hint = "Color 2",
     .Description = kDesignColor2Code,
     .Id = 202},
};

// The row of a command id; null for 0 and for an id no row has.
constexpr const TCommand* FindCommand(int id) {
    if (id == 0)
        return nullptr;
    for (const TCommand& command : kCommands)
        if (command.Id == id)
            return &command;
    return nullptr;
}

// The row of an item name; null when no row has it.
constexpr const TCommand* FindCommandOfItem(std::string_view itemName) {
    for (const TCommand& command : kCommands)
        if (command.ItemName == itemName)
            return &command;
    return nullptr;
}

#endif
