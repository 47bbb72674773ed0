#include "toolkit/bars/model/BarAccess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace accstate;

TEST(BarAccess, ABarIsAMenuBarOrAToolBarNamedByItsCaption) {
    TBar bar;
    bar.Caption = "Main menu";
    bar.IsMainMenu = true;
    const TRect bounds{0, 0, 300, 20};
    EXPECT_EQ(DescribeBar(bar, bounds).Role, TAccessibleRole::MenuBar);
    EXPECT_EQ(DescribeBar(bar, bounds).Name, "Main menu");
    EXPECT_EQ(DescribeBar(bar, bounds).Bounds, bounds);
    bar.IsMainMenu = false;
    bar.Caption = "Check";
    EXPECT_EQ(DescribeBar(bar, bounds).Role, TAccessibleRole::ToolBar);
}

TEST(BarAccess, ALinkSaysWhatItIsWhatReachesItItsStateAndWhatAClickDoes) {
    struct {
        const char* Name;
        TBarItemProperties Item;
        bool MenuBar;
        TItemTracking Tracking;  // of place 0
        TAccessibleRole Role;
        std::string ShownName;
        std::string Value;
        std::string Shortcut;
        std::string Action;
        unsigned State;
    } cases[] = {
        {"a button with a shortcut",
         {},
         false,
         {},
         TAccessibleRole::PushButton,
         "Do Check",
         "",
         "Ctrl+E",
         "Press",
         kFocusable},
        {"disabled", {}, false, {}, TAccessibleRole::PushButton, "Do Check", "", "Ctrl+E", "", kUnavailable},
        {"focused by the keys",
         {},
         false,
         {-1, -1, -1, -1, 0},
         TAccessibleRole::PushButton,
         "Do Check",
         "",
         "Ctrl+E",
         "Press",
         kFocusable | kFocused | kHot},
        {"pressed",
         {},
         false,
         {0, -1, 0, -1},
         TAccessibleRole::PushButton,
         "Do Check",
         "",
         "Ctrl+E",
         "Press",
         kFocusable | kHot | kPressed},
        {"a menu of the menu bar",
         {},
         true,
         {},
         TAccessibleRole::MenuItem,
         "File",
         "",
         "Alt+F",
         "Open",
         kFocusable | kHasPopup},
        {"highlighted by the menu keys",
         {},
         true,
         {-1, 0},
         TAccessibleRole::MenuItem,
         "File",
         "",
         "Alt+F",
         "Open",
         kFocusable | kHasPopup | kFocused | kHot},
        {"open",
         {},
         true,
         {-1, -1, -1, 0},
         TAccessibleRole::MenuItem,
         "File",
         "",
         "Alt+F",
         "Close",
         kFocusable | kHasPopup | kExpanded},
        {"a menu on a toolbar has no Alt key",
         {},
         false,
         {},
         TAccessibleRole::MenuItem,
         "File",
         "",
         "",
         "Open",
         kFocusable | kHasPopup},
        {"a read-only combo box",
         {},
         false,
         {},
         TAccessibleRole::ComboBox,
         "Compare with",
         "today.snp",
         "",
         "Open",
         kFocusable | kReadOnly},
        {"a swatch", {}, false, {}, TAccessibleRole::PushButton, "", "#ff0000", "", "", 0},
    };
    cases[0].Item.Caption = cases[1].Item.Caption = cases[2].Item.Caption = cases[3].Item.Caption = "&Do Check";
    cases[0].Item.ShortCut = cases[1].Item.ShortCut = cases[2].Item.ShortCut = cases[3].Item.ShortCut =
        TShortCut{TShortCut::kCtrl | 'E'};
    cases[1].Item.Enabled = false;
    for (int i = 4; i < 8; ++i) {
        cases[i].Item.Kind = TBarItemKind::SubItem;
        cases[i].Item.Caption = "&File";
    }
    cases[8].Item.Kind = TBarItemKind::Combo;
    cases[8].Item.Caption = "Compare with";
    cases[8].Item.Combo.ReadOnly = true;
    cases[8].Item.Combo.Text = "today.snp";
    cases[9].Item.Kind = TBarItemKind::Progress;
    cases[9].Item.Description = "#ff0000";

    for (const auto& row : cases) {
        SCOPED_TRACE(row.Name);
        TBarManager manager;
        TBarItemProperties item = row.Item;
        item.Hint = "Checks the products|Longer help";
        const TBar& bar = manager.AddBar(TBarProperties{}, {{&manager.AddItem(item), {}}});
        const TRect bounds{5, 2, 28, 24};
        const TAccessibleNode node = DescribeLink(bar.Links[0], row.MenuBar, bounds, row.Tracking, 0);
        EXPECT_EQ(node.Role, row.Role);
        EXPECT_EQ(node.Name, row.ShownName);
        EXPECT_EQ(node.Value, row.Value);
        EXPECT_EQ(node.Description, "Checks the products");
        EXPECT_EQ(node.KeyboardShortcut, row.Shortcut);
        EXPECT_EQ(node.DefaultAction, row.Action);
        EXPECT_EQ(node.State, row.State);
        EXPECT_EQ(node.Bounds, bounds);
        // The tracking of another place leaves this one as it is.
        TItemTracking elsewhere = row.Tracking;
        for (int* place :
             {&elsewhere.Hot, &elsewhere.KeyboardHot, &elsewhere.Pressed, &elsewhere.Open, &elsewhere.Focus})
            if (*place == 0)
                *place = 1;
        EXPECT_EQ(DescribeLink(bar.Links[0], row.MenuBar, bounds, elsewhere, 0).State & (kFocused | kHot | kPressed),
                  0u);
    }
}

TEST(BarAccess, MenuEntriesAreItemsSeparatorsAndTheChevron) {
    const TRect bounds{0, 20, 120, 40};
    TMenuEntryFacts print{"&Print...", "Ctrl+P"};
    TAccessibleNode node = DescribeMenuEntry(print, bounds, false);
    EXPECT_EQ(node.Role, TAccessibleRole::MenuItem);
    EXPECT_EQ(node.Name, "Print...");
    EXPECT_EQ(node.KeyboardShortcut, "Ctrl+P");
    EXPECT_EQ(node.DefaultAction, "Execute");
    EXPECT_EQ(node.State, kFocusable);
    EXPECT_EQ(node.Bounds, bounds);
    EXPECT_EQ(DescribeMenuEntry(print, bounds, true).State, kFocusable | kFocused | kHot);

    print.Enabled = false;
    node = DescribeMenuEntry(print, bounds, false);
    EXPECT_EQ(node.State, kUnavailable);
    EXPECT_EQ(node.DefaultAction, "");

    TMenuEntryFacts separator;
    separator.Separator = true;
    node = DescribeMenuEntry(separator, bounds, false);
    EXPECT_EQ(node.Role, TAccessibleRole::Separator);
    EXPECT_EQ(node.Name, "");
    TMenuEntryFacts chevron;
    chevron.Chevron = true;
    node = DescribeMenuEntry(chevron, bounds, false);
    EXPECT_EQ(node.Name, "Show all commands");
    EXPECT_EQ(node.DefaultAction, "Expand");

    TBarManager manager;
    TBarItemProperties file;
    file.Kind = TBarItemKind::SubItem;
    file.Caption = "&File";
    const TBar& bar = manager.AddBar(TBarProperties{}, {{&manager.AddItem(file), {}}});
    node = DescribeMenu(bar.Links[0], bounds);
    EXPECT_EQ(node.Role, TAccessibleRole::PopupMenu);
    EXPECT_EQ(node.Name, "File");
}

}  // namespace
