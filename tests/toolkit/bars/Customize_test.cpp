#include "toolkit/bars/Customize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FixedTextMeasure.h"

namespace {

TBarItem Item(const char* name, int glyph = 0) {
    TBarItem item;
    item.Name = name;
    item.Caption = std::string("&") + name;
    item.GlyphIndex = glyph;
    return item;
}

// Buttons a to e; the designed bar "Tools" holds a, group b, c, d; the main menu bar holds e.
class CustomizeTest : public ::testing::Test {
protected:
    CustomizeTest() {
        for (const char* name : {"a", "b", "c", "d", "e"})
            manager.AddItem(Item(name));
        TBarProperties tools;
        tools.Caption = "Tools";
        TLinkSettings group;
        group.BeginGroup = true;
        manager.AddBar(tools, {{At("a"), {}}, {At("b"), group}, {At("c"), {}}, {At("d"), {}}});
        TBarProperties menu;
        menu.Caption = "Main Menu";
        menu.IsMainMenu = true;
        manager.AddBar(menu, {{At("e"), {}}});
    }

    TBarItem* At(const char* name) const { return manager.FindItem(name); }
    const TBar& Tools() const { return manager.Bar(0); }
    const TBar& Menu() const { return manager.Bar(1); }
    TLinkId LinkOf(const TBar& bar, std::size_t index) const { return bar.Links[index].Id; }

    static std::string Shown(const TBar& bar) {
        std::string text;
        for (const TBarItemLink& link : bar.Links) {
            if (!text.empty())
                text += " ";
            if (link.BeginGroup)
                text += "|";
            text += link.Item->Name;
        }
        return text;
    }

    TBarManager manager;
};

// x positions on "Tools" with its link c hidden: a [10,33), separator, b [39,62), d [62,85).
TEST_F(CustomizeTest, ADropGoesBeforeTheFirstShownLinkWhoseMiddleIsRightOfIt) {
    TLinkSettings hidden = Tools().Links[2];
    hidden.Visible = false;
    manager.SetLinkSettings(LinkOf(Tools(), 2), hidden);
    const TBarMetrics metrics;
    const TBarPlacement placement = PlaceBarItems(Tools(), metrics, TFixedTextMeasure{}, TFontSpec{});
    struct {
        int X;
        std::size_t Index;
        int MarkX;
    } const rows[] = {
        {0, 0, 10},  {20, 0, 10}, {21, 1, 39}, {35, 1, 39},  {49, 1, 39},
        {50, 3, 62}, {72, 3, 62}, {73, 4, 85}, {400, 4, 85},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.X);
        EXPECT_EQ(DropIndex(Tools(), placement, row.X), row.Index);
        EXPECT_EQ(DropMarkX(placement, metrics, row.Index), row.MarkX);
    }
    const TBar& empty = AddUserBar(manager, "Empty");
    const TBarPlacement none = PlaceBarItems(empty, metrics, TFixedTextMeasure{}, TFontSpec{});
    EXPECT_EQ(DropIndex(empty, none, 5), 0u);
    EXPECT_EQ(DropMarkX(none, metrics, 0), metrics.Border + metrics.GripWidth);
}

TEST_F(CustomizeTest, ADraggedLinkMovesWithItsSettingsOrIsRemovedOffTheBars) {
    struct {
        const char* Name;
        std::size_t From;
        bool ToMenu;
        std::optional<std::size_t> To;  // nothing: dropped where no bar is
        const char* Tools;
        const char* Menu;
    } const rows[] = {
        {"before itself", 1, false, 1, "a |b c d", "e"},
        {"after itself", 1, false, 2, "a |b c d", "e"},
        {"to the right", 0, false, 3, "|b c a d", "e"},
        {"to the end", 1, false, 4, "a c d |b", "e"},
        {"to the left", 3, false, 0, "d a |b c", "e"},
        {"to another bar, settings kept", 1, true, 0, "a c d", "|b e"},
        {"off the bars", 2, false, std::nullopt, "a |b d", "e"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        manager.ResetBar(Tools().Id);
        manager.ResetBar(Menu().Id);
        const TLinkId link = LinkOf(Tools(), row.From);
        std::optional<TLinkDrop> drop;
        if (row.To)
            drop = TLinkDrop{row.ToMenu ? Menu().Id : Tools().Id, *row.To};
        DropLink(manager, link, drop);
        EXPECT_EQ(Shown(Tools()), row.Tools);
        EXPECT_EQ(Shown(Menu()), row.Menu);
    }
}

// The dialog's changes of a designed bar are all undone by its Reset, the usage of its links included.
TEST_F(CustomizeTest, ResetTakesADesignedBarBackFromEveryChangeOfTheDialog) {
    const std::vector<TBarItemLink> design(Tools().Links.begin(), Tools().Links.end());
    manager.RenameBar(Tools().Id, "Renamed");
    DropCommand(manager, *At("e"), {Tools().Id, 1});
    DropLink(manager, LinkOf(Tools(), 0), TLinkDrop{Tools().Id, 5});
    DropLink(manager, LinkOf(Tools(), 2), std::nullopt);
    SetLinkBeginGroup(manager, LinkOf(Tools(), 0), true);
    SetLinkPaintStyle(manager, LinkOf(Tools(), 1), TPaintStyle::CaptionGlyph);
    SetLinkUserCaption(manager, LinkOf(Tools(), 2), "Own");
    manager.SetLinkRecentIndex(LinkOf(Tools(), 2), 0);
    ASSERT_EQ(Shown(Tools()), "|e |b d a");

    manager.ResetBar(Tools().Id);
    EXPECT_EQ(Tools().Caption, "Tools");
    ASSERT_EQ(Tools().Links.size(), design.size());
    for (std::size_t i = 0; i < design.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Tools().Links[i].Item, design[i].Item);
        EXPECT_EQ(static_cast<const TLinkSettings&>(Tools().Links[i]), static_cast<const TLinkSettings&>(design[i]));
        EXPECT_EQ(Tools().Links.RecentIndex(Tools().Links[i].Id), -1);
    }
}

TEST_F(CustomizeTest, ALinksMenuSetsItsOwnStyleAndCaptionAndAnEmptyCaptionGivesTheItemsBack) {
    const TLinkId link = LinkOf(Tools(), 2);
    SetLinkPaintStyle(manager, link, TPaintStyle::Caption);
    SetLinkUserCaption(manager, link, "Own");
    SetLinkBeginGroup(manager, link, true);
    const TBarItemLink& changed = *manager.FindLink(link);
    EXPECT_EQ(changed.UserDefine, kUserDefinePaintStyle | kUserDefineCaption);
    EXPECT_EQ(changed.PaintStyle(), TPaintStyle::Caption);
    EXPECT_EQ(changed.Caption(), "Own");
    EXPECT_TRUE(changed.BeginGroup);

    SetLinkUserCaption(manager, link, "");
    EXPECT_EQ(manager.FindLink(link)->UserDefine, kUserDefinePaintStyle);
    EXPECT_EQ(manager.FindLink(link)->Caption(), "&c");
}

TEST_F(CustomizeTest, DesignedBarsResetUserBarsRenameAndDeleteTheMenuBarStays) {
    const TBar& mine = AddUserBar(manager, ProposedBarCaption(manager));
    const TBar& loaded = manager.AddBar(TBarProperties{});  // as a load appends a stored bar
    EXPECT_EQ(ActionsFor(manager, Tools()), (TBarActions{true, false, false, true}));
    EXPECT_EQ(ActionsFor(manager, Menu()), (TBarActions{false, false, false, true}));
    EXPECT_EQ(ActionsFor(manager, mine), (TBarActions{true, true, true, false}));
    EXPECT_EQ(ActionsFor(manager, loaded), (TBarActions{true, true, true, false}));
}

TEST_F(CustomizeTest, ANewBarIsCustomNumberedShownAtTheTopInARowBelowTheOthers) {
    TBarPlace low = Tools();
    low.Row = 4;
    manager.SetBarPlace(Tools().Id, low);
    const TBar& first = AddUserBar(manager, ProposedBarCaption(manager));
    EXPECT_EQ(first.Caption, "Custom 1");
    EXPECT_EQ(first.DockingStyle, TDockingStyle::Top);
    EXPECT_EQ(first.Row, 5);
    EXPECT_TRUE(first.Visible);
    EXPECT_TRUE(first.Links.empty());
    EXPECT_EQ(ProposedBarCaption(manager), "Custom 2");
    manager.RenameBar(first.Id, "custom 2");
    EXPECT_EQ(ProposedBarCaption(manager), "Custom 1");
}

TEST_F(CustomizeTest, ABarCaptionMustBeGivenAndNoOtherBarsCaption) {
    struct {
        const char* Caption;
        bool ForTools;
        const char* Problem;
    } const rows[] = {
        {"Mine", false, ""},
        {"", false, "Type a name for the bar."},
        {"   ", false, "Type a name for the bar."},
        {"tools", false, "A bar named \"tools\" already exists. Type another name."},
        {"TOOLS", true, ""},
        {"Main Menu", true, "A bar named \"Main Menu\" already exists. Type another name."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Caption);
        EXPECT_EQ(BarCaptionProblem(manager, row.Caption, row.ForTools ? &Tools() : nullptr), row.Problem);
    }
}

TEST_F(CustomizeTest, OptionsApplyToTheStyleAndTheOptionsTheyDependOn) {
    struct {
        TBarManagerStyle Style;
        bool RecentFirst;
        bool ShowHint;
        TOptionStates Enabled;
    } const rows[] = {
        {TBarManagerStyle::Office, true, true, {true, true, true}},
        {TBarManagerStyle::Office, false, false, {true, false, false}},
        {TBarManagerStyle::Standard, true, true, {false, false, true}},
    };
    for (const auto& row : rows) {
        manager.Style = row.Style;
        TBarManagerOptions options;
        options.MenusShowRecentItemsFirst = row.RecentFirst;
        options.ShowHint = row.ShowHint;
        manager.SetOptions(options);
        EXPECT_EQ(EnabledOptions(manager), row.Enabled);
    }
}

}  // namespace
