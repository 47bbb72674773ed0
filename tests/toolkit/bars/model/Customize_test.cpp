#include "toolkit/bars/model/Customize.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

    const TBarItem* At(const char* name) const { return manager.FindItem(name); }
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

// "Tools" with its link c hidden. In one line: a [10,33), separator, b [39,62), d [62,85), all from
// y 2 to 24. Wrapped at 64: a and b on the first line, d [10,33) on the second, from y 24 to 46. Upright:
// the same spans down the bar.
TEST_F(CustomizeTest, ADropGoesBeforeTheFirstShownLinkOfItsLineWhoseMiddleIsPastIt) {
    TLinkSettings hidden = Tools().Links[2];
    hidden.Visible = false;
    manager.SetLinkSettings(LinkOf(Tools(), 2), hidden);
    const TBarMetrics metrics;
    const TBarFrame line{false, true, 0};
    const TBarFrame wrapped{false, true, 64};
    const TBarFrame upright{true, true, 0};
    struct {
        const char* Name;
        const TBarFrame& Frame;
        int X;
        int Y;
        std::size_t Index;
        TRect Mark;
    } const rows[] = {
        {"on the grip", line, 0, 10, 0, {9, 2, 11, 24}},
        {"left half of a", line, 20, 10, 0, {9, 2, 11, 24}},
        {"right half of a", line, 21, 10, 1, {38, 2, 40, 24}},
        {"on the separator", line, 35, 10, 1, {38, 2, 40, 24}},
        {"right half of b: before the hidden c", line, 50, 10, 3, {61, 2, 63, 24}},
        {"right half of d", line, 73, 10, 4, {84, 2, 86, 24}},
        {"far right", line, 400, 10, 4, {84, 2, 86, 24}},
        {"below the items: all of them count", line, 73, 30, 4, {84, 2, 86, 24}},
        {"first line, past b", wrapped, 60, 10, 2, {9, 24, 11, 46}},
        {"second line, before d", wrapped, 5, 30, 3, {9, 24, 11, 46}},
        {"second line, past d", wrapped, 60, 30, 4, {32, 24, 34, 46}},
        {"upright, top half of a", upright, 10, 20, 0, {2, 9, 25, 11}},
        {"upright, top half of b", upright, 10, 45, 1, {2, 37, 25, 39}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const TBarPlacement placement = PlaceBarItems(Tools(), row.Frame, metrics, TFixedTextMeasure{}, TFontSpec{});
        const std::size_t index = DropIndex(Tools(), placement, row.Frame, row.X, row.Y);
        EXPECT_EQ(index, row.Index);
        EXPECT_EQ(DropMark(placement, row.Frame, metrics, index), row.Mark);
    }
    const TBar& empty = AddUserBar(manager, "Empty");
    const TBarPlacement none = PlaceBarItems(empty, line, metrics, TFixedTextMeasure{}, TFontSpec{});
    EXPECT_EQ(DropIndex(empty, none, line, 5, 5), 0u);
    EXPECT_EQ(DropMark(none, line, metrics, 0), (TRect{9, 2, 11, none.Height - 2}));
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

// Without the mouse a command goes on any shown bar, the menu bar and empty bars included, after the
// bar's last link as a drop at its end puts it, with a new link's settings.
TEST_F(CustomizeTest, ACommandAddedByKeyboardGoesAfterTheLastLinkOfAShownBar) {
    const TBar& hidden = AddUserBar(manager, "Hidden");
    manager.SetBarVisible(hidden.Id, false);
    const TBar& empty = AddUserBar(manager, "Empty");
    EXPECT_EQ(BarsToAddTo(manager), (std::vector<const TBar*>{&Tools(), &Menu(), &empty}));

    TLinkSettings hiddenLink = Tools().Links[3];
    hiddenLink.Visible = false;
    manager.SetLinkSettings(LinkOf(Tools(), 3), hiddenLink);
    AddCommandToBar(manager, *At("e"), Tools().Id);
    AddCommandToBar(manager, *At("a"), Menu().Id);
    AddCommandToBar(manager, *At("b"), empty.Id);
    AddCommandToBar(manager, *At("c"), TBarId{9999});  // a bar that went meanwhile
    EXPECT_EQ(Shown(Tools()), "a |b c d e");
    EXPECT_EQ(Shown(Menu()), "e a");
    EXPECT_EQ(Shown(empty), "b");
    EXPECT_EQ(static_cast<const TLinkSettings&>(Tools().Links[4]), TLinkSettings{});
    EXPECT_TRUE(hidden.Links.empty());
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

// Categories as the manager lists them, then those only items name, in item order; the items of a
// category in item order.
TEST(CustomizeCategories, TheManagersOrderThenTheItemsOwnCategories) {
    TBarManager manager;
    manager.Categories = {"Default", "File", "Colours"};
    for (const auto& [name, category] : std::vector<std::pair<const char*, const char*>>{{"swatch", "Colours"},
                                                                                         {"extra", "Tools"},
                                                                                         {"check", "File"},
                                                                                         {"exit", "File"},
                                                                                         {"odd", ""},
                                                                                         {"more", "Tools"}}) {
        TBarItem item;
        item.Name = name;
        item.Category = category;
        manager.AddItem(item);
    }
    EXPECT_EQ(CategoriesInOrder(manager), (std::vector<std::string>{"Default", "File", "Colours", "Tools", ""}));
    const auto names = [&](std::string_view category) {
        std::vector<std::string> found;
        for (const TBarItem* item : ItemsOfCategory(manager, category))
            found.push_back(item->Name);
        return found;
    };
    EXPECT_EQ(names("File"), (std::vector<std::string>{"check", "exit"}));
    EXPECT_EQ(names("Tools"), (std::vector<std::string>{"extra", "more"}));
    EXPECT_EQ(names("Default"), std::vector<std::string>{});
    EXPECT_EQ(names("file"), std::vector<std::string>{}) << "categories match as written";
}

}  // namespace
