#ifndef PLUX_APP_ACTIONS_H
#define PLUX_APP_ACTIONS_H

// The main window's commands, declared once. PLUX_MAIN_ITEMS has one row per bar item of the window,
// in the bar manager's item order: the item's name, kind, category and texts, its place in the File
// menu, and for an item that runs something its handler, a member of TfrmPLUX. An item bound to an
// action (btnDoCheck to actionDoCheck) takes caption, hint, shortcut and glyph from that action, so the
// row holds them for both; a swatch runs a handler of its own without an action; the File menu and the
// snapshot chooser run nothing themselves.
//
// Everything else derives from the rows: kCommands holds them with the command id of each row that
// runs something (kFirstCommandId plus its position); BuildMainBars makes the items and the File menu
// from them (the toolbars are the design's, in MainBars.cpp); CreateActionAccelerators the shortcuts;
// and the window's dispatch (MainCommands_win.cpp) expands the same rows into the table of handlers. A
// new command is an item name (MainBarNames.h), a row here and its handler. Ids are what shortcuts,
// menus and bar items send; nothing stores them.

#include <array>
#include <cstddef>
#include <string_view>

#include "app/MainBarNames.h"
#include "check/BandColours.h"
#include "toolkit/bars/model/BarModel.h"

// Where an item shows in the File menu.
enum class TFileMenuPlace { None, Entry, GroupStart };

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
    TFileMenuPlace FileMenu = TFileMenuPlace::None;
    bool Runs = false;  // it has a handler
    int Id = 0;         // given by the row's position when it runs; 0: runs nothing of its own
};

constexpr TShortCut CtrlKey(char key) {
    return TShortCut{TShortCut::kCtrl | key};
}

// RUN(handler, fields...) is a row with a handler, ROW(fields...) one without.
#define PLUX_MAIN_ITEMS(RUN, ROW)                                                                                    \
    RUN(actionDoCheckExecute, .ItemName = kDoCheckItem, .Category = kFileCategory, .Caption = "&Do Check",           \
        .ShortCut = CtrlKey('E'), .GlyphIndex = 1, .ActionName = "actionDoCheck", .FileMenu = TFileMenuPlace::Entry) \
    RUN(actionSaveResultExecute, .ItemName = kSaveResultItem, .Category = kFileCategory, .Caption = "&Save Result",  \
        .Hint = "Save current result", .ShortCut = CtrlKey('S'), .GlyphIndex = 3, .ActionName = "actionSaveResult",  \
        .FileMenu = TFileMenuPlace::Entry)                                                                           \
    RUN(actionPrintExecute, .ItemName = kPrintItem, .Category = kFileCategory, .Caption = "&Print",                  \
        .ShortCut = CtrlKey('P'), .GlyphIndex = 2, .ActionName = "actionPrint", .FileMenu = TFileMenuPlace::Entry)   \
    RUN(actionFileExitExecute, .ItemName = kFileExitItem, .Category = kFileCategory, .Caption = "E&xit",             \
        .GlyphIndex = 0, .ActionName = "actionFileExit", .FileMenu = TFileMenuPlace::GroupStart)                     \
    ROW(.ItemName = kFileMenuItem, .Kind = TBarItemKind::SubItem, .Category = kMenusCategory, .Caption = "&File")    \
    ROW(.ItemName = kCompareFilesItem, .Kind = TBarItemKind::Combo, .Category = kDefaultCategory,                    \
        .Caption = "Compare report with", .Hint = "Select a file to compare to")                                     \
    RUN(barColor1Click, .ItemName = kColor1Item, .Kind = TBarItemKind::Progress, .Category = kColoursCategory,       \
        .Caption = "Color &1", .Hint = "Color 1", .Description = kDesignColor1Code)                                  \
    RUN(barColor2Click, .ItemName = kColor2Item, .Kind = TBarItemKind::Progress, .Category = kColoursCategory,       \
        .Caption = "Color &2", .Hint = "Color 2", .Description = kDesignColor2Code)

inline constexpr int kFirstCommandId = 100;

// The rows numbered: each one that runs gets the id of its position.
template <std::size_t Count>
constexpr std::array<TCommand, Count> NumberCommands(std::array<TCommand, Count> rows) {
    for (std::size_t i = 0; i < Count; ++i)
        rows[i].Id = rows[i].Runs ? kFirstCommandId + static_cast<int>(i) : 0;
    return rows;
}

#define PLUX_COMMAND_RUN(handler, ...) TCommand{__VA_ARGS__, .Runs = true},
#define PLUX_COMMAND_ROW(...) TCommand{__VA_ARGS__},
inline constexpr auto kCommands = NumberCommands(std::array{PLUX_MAIN_ITEMS(PLUX_COMMAND_RUN, PLUX_COMMAND_ROW)});
#undef PLUX_COMMAND_RUN
#undef PLUX_COMMAND_ROW

// The row of a command id; null for 0 and for an id no row has.
constexpr const TCommand* FindCommand(int id) {
    const int row = id - kFirstCommandId;
    if (row < 0 || row >= static_cast<int>(kCommands.size()) || !kCommands[static_cast<std::size_t>(row)].Runs)
        return nullptr;
    return &kCommands[static_cast<std::size_t>(row)];
}

// The row of an item name; null when no row has it.
constexpr const TCommand* FindCommandOfItem(std::string_view itemName) {
    for (const TCommand& command : kCommands)
        if (command.ItemName == itemName)
            return &command;
    return nullptr;
}

#endif
