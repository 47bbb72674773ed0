#include "toolkit/bars/model/BarModel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

namespace {

struct TCountingListener final : TBarManagerListener {
    void BarsChanged() override { ++calls; }
    int calls = 0;
};

TBarItem Item(const char* name, TBarItemKind kind = TBarItemKind::Button) {
    TBarItem item;
    item.Name = name;
    item.Kind = kind;
    return item;
}

TBarProperties BarOn(TDockingStyle side, int row, const char* caption = "") {
    TBarProperties bar;
    bar.Caption = caption;
    bar.DockingStyle = bar.DockedDockingStyle = side;
    bar.Row = row;
    return bar;
}

// Items a, b, c and the sub-menu "menu"; bars are added by each test.
class BarManagerTest : public ::testing::Test {
protected:
    BarManagerTest()
        : a(manager.AddItem(Item("a"))),
          b(manager.AddItem(Item("b"))),
          c(manager.AddItem(Item("c"))),
          menu(manager.AddItem(Item("menu", TBarItemKind::SubItem))) {
        manager.AddListener(listener);
    }

    std::vector<std::string> Names(const TItemLinks& links) const {
        std::vector<std::string> names;
        for (const TBarItemLink& link : links)
            names.push_back(link.Item ? link.Item->Name : "-");
        return names;
    }

    std::vector<int> Rows() const {
        std::vector<int> rows;
        for (std::size_t i = 0; i < manager.BarCount(); ++i)
            rows.push_back(manager.Bar(i).Row);
        return rows;
    }

    TBarManager manager;
    const TBarItem& a;
    const TBarItem& b;
    const TBarItem& c;
    const TBarItem& menu;
    TCountingListener listener;
};

TEST_F(BarManagerTest, IdsStayWithTheirBarsAndLinksAndAreNeverReused) {
    const TBarId first = manager.AddBar(BarOn(TDockingStyle::Top, 0, "first"), {{&a, {}}, {&b, {}}}).Id;
    const TBarId second = manager.AddBar(BarOn(TDockingStyle::Top, 1, "second")).Id;
    const TLinkId linkOfB = manager.Bar(0).Links[1].Id;
    manager.MoveLink(linkOfB, 0);
    EXPECT_EQ(manager.FindLink(linkOfB)->Item, &b);
    EXPECT_EQ(manager.Bar(0).Links.IndexOf(linkOfB), 0u);

    manager.DeleteBar(first);
    EXPECT_EQ(manager.FindBar(first), nullptr);
    EXPECT_EQ(manager.FindLink(linkOfB), nullptr);
    EXPECT_EQ(manager.FindBar(second)->Caption, "second");
    EXPECT_EQ(&manager.Bar(0), manager.FindBar(second)) << "the other bar moved up but is found by its id";
    const TBar& third = manager.AddBar(TBarProperties{}, {{&a, {}}});
    EXPECT_NE(third.Id, first);
    EXPECT_NE(third.Links[0].Id, linkOfB);

    EXPECT_THROW(manager.RenameBar(first, "gone"), std::invalid_argument);
    EXPECT_THROW(manager.SetLinkSettings(linkOfB, {}), std::invalid_argument);
}

TEST_F(BarManagerTest, DeletingAnItemDetachesItsLinksEverywhere) {
    const TBar& bar = manager.AddBar(TBarProperties{}, {{&a, {}}, {&b, {}}, {&c, {}}});
    manager.InsertLink(menu, 0, b);
    manager.InsertLink(menu, 1, c);
    manager.DeleteItem(b);

    EXPECT_EQ(manager.FindItem("b"), nullptr);
    EXPECT_EQ(Names(bar.Links), (std::vector<std::string>{"a", "-", "c"})) << "still counted, in its place";
    EXPECT_FALSE(bar.Links[1].Shown());
    EXPECT_EQ(Names(menu.SubLinks), (std::vector<std::string>{"-", "c"}));
    manager.ResetBar(bar.Id);
    EXPECT_EQ(Names(bar.Links), (std::vector<std::string>{"a", "c"})) << "the design forgets the item too";
}

TEST_F(BarManagerTest, LinksGoWhereTheyAreToldAndOnlyToItemsOfTheManager) {
    const TBar& bar = manager.AddBar(TBarProperties{});
    manager.InsertLink(bar.Id, 0, a);
    manager.InsertLink(bar.Id, 0, b);
    const TLinkId last = manager.InsertLink(bar.Id, 99, c);
    EXPECT_EQ(Names(bar.Links), (std::vector<std::string>{"b", "a", "c"}));
    manager.MoveLink(last, 1);
    EXPECT_EQ(Names(bar.Links), (std::vector<std::string>{"b", "c", "a"}));
    manager.MoveLink(last, 99);
    EXPECT_EQ(Names(bar.Links), (std::vector<std::string>{"b", "a", "c"}));
    manager.RemoveLink(last);
    EXPECT_EQ(Names(bar.Links), (std::vector<std::string>{"b", "a"}));
    manager.ClearLinks(bar.Id);
    EXPECT_TRUE(bar.Links.empty());

    TBarItem stranger = Item("stranger");
    EXPECT_THROW(manager.InsertLink(bar.Id, 0, stranger), std::invalid_argument);
    EXPECT_THROW(manager.InsertLink(stranger, 0, a), std::invalid_argument) << "not a sub-menu of this manager";
    EXPECT_THROW(manager.AddBar(TBarProperties{}, {{&stranger, {}}}), std::invalid_argument);
    EXPECT_EQ(manager.BarCount(), 1u) << "a refused design adds no bar";
}

TEST_F(BarManagerTest, RecentlyUsedOrderKeepsEachLinkOnceAtTheIndexGiven) {
    const TBar& bar = manager.AddBar(TBarProperties{}, {{&a, {}}, {&b, {}}, {&c, {}}});
    const TLinkId la = bar.Links[0].Id, lb = bar.Links[1].Id, lc = bar.Links[2].Id;
    struct TCase {
        const char* name;
        TLinkId link;
        int index;
        std::vector<int> expected;  // recent index of a, b, c afterwards
    } cases[] = {
        {"first into the order", lb, 5, {-1, 0, -1}}, {"before it", la, 0, {0, 1, -1}},
        {"past the end appends", lc, 7, {0, 1, 2}},   {"moving keeps it once", lc, 0, {1, 2, 0}},
        {"out of the order", la, -1, {-1, 1, 0}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        manager.SetLinkRecentIndex(row.link, row.index);
        EXPECT_EQ((std::vector<int>{bar.Links.RecentIndex(la), bar.Links.RecentIndex(lb), bar.Links.RecentIndex(lc)}),
                  row.expected);
    }
    manager.RemoveLink(lc);
    EXPECT_EQ(bar.Links.RecentIndex(lb), 0) << "a removed link leaves the order";
}

TEST_F(BarManagerTest, DockingInANewRowMovesTheFollowingRowsOfThatSideOnly) {
    const TBarId moved = manager.AddBar(BarOn(TDockingStyle::Top, 0)).Id;
    manager.AddBar(BarOn(TDockingStyle::Top, 1));
    manager.AddBar(BarOn(TDockingStyle::Top, 2));
    const TBarId floating = manager.AddBar(BarOn(TDockingStyle::Top, 3)).Id;
    manager.FloatBar(floating, 10, 20, 30, 40);
    manager.AddBar(BarOn(TDockingStyle::Left, 1));

    manager.DockBar(moved, {TDockingStyle::Top, 2, true, 15, 23});
    EXPECT_EQ(Rows(), (std::vector<int>{2, 1, 3, 4, 1})) << "the floating bar docks back behind them";
    manager.DockBar(moved, {TDockingStyle::Top, 1, false, 0, 0});
    EXPECT_EQ(Rows(), (std::vector<int>{1, 1, 3, 4, 1})) << "joining a row moves no other";
    manager.DockBar(moved, {TDockingStyle::Left, 0, true, 3, 40});
    EXPECT_EQ(Rows(), (std::vector<int>{0, 1, 3, 4, 2}));
    const TBar& bar = *manager.FindBar(moved);
    EXPECT_EQ(bar.DockingStyle, TDockingStyle::Left);
    EXPECT_EQ(bar.DockedDockingStyle, TDockingStyle::Left);
    EXPECT_EQ(bar.DockedLeft, 3);
    EXPECT_EQ(bar.DockedTop, 40);
    EXPECT_THROW(manager.DockBar(moved, {TDockingStyle::None, 0, false, 0, 0}), std::invalid_argument);
}

TEST_F(BarManagerTest, FloatingAndDockingBackKeepTheSideToReturnTo) {
    TBarProperties hidden = BarOn(TDockingStyle::Right, 2);
    hidden.Visible = false;
    const TBar& bar = manager.AddBar(hidden);
    manager.FloatBar(bar.Id, 300, 200, 50, 22);
    EXPECT_FALSE(bar.Docked());
    EXPECT_TRUE(bar.Visible) << "a floated bar shows";
    EXPECT_EQ(bar.DockedDockingStyle, TDockingStyle::Right);
    EXPECT_EQ((std::vector<int>{bar.FloatLeft, bar.FloatTop, bar.FloatClientWidth, bar.FloatClientHeight}),
              (std::vector<int>{300, 200, 50, 22}));
    manager.DockBack(bar.Id);
    EXPECT_EQ(bar.DockingStyle, TDockingStyle::Right);
    EXPECT_EQ(bar.Row, 2);
    EXPECT_EQ(bar.FloatLeft, 300) << "the float place is kept for the next time";

    TBarPlace nowhere = bar;
    nowhere.DockingStyle = nowhere.DockedDockingStyle = TDockingStyle::None;
    manager.SetBarPlace(bar.Id, nowhere);
    manager.DockBack(bar.Id);
    EXPECT_EQ(bar.DockingStyle, TDockingStyle::Top) << "a bar that never docked goes to the top";
}

TEST_F(BarManagerTest, PlacesKeepTheInvariantsWhateverIsGiven) {
    const TBar& bar = manager.AddBar(BarOn(TDockingStyle::Top, 0));
    TBarPlace place = bar;
    place.DockingStyle = TDockingStyle::Bottom;
    place.DockedDockingStyle = TDockingStyle::Left;
    place.FloatClientWidth = -5;
    place.FloatClientHeight = -1;
    manager.SetBarPlace(bar.Id, place);
    EXPECT_EQ(bar.DockedDockingStyle, TDockingStyle::Bottom);
    EXPECT_EQ(bar.FloatClientWidth, 0);
    EXPECT_EQ(bar.FloatClientHeight, 0);

    TBarProperties added = BarOn(TDockingStyle::Left, 0);
    added.DockedDockingStyle = TDockingStyle::Top;
    added.FloatClientWidth = -3;
    const TBar& other = manager.AddBar(added);
    EXPECT_EQ(other.DockedDockingStyle, TDockingStyle::Left);
    EXPECT_EQ(other.FloatClientWidth, 0);
}

TEST_F(BarManagerTest, ResetBringsBackTheDesignedCaptionAndLinksAndKeepsThePlace) {
    TLinkSettings grouped;
    grouped.BeginGroup = true;
    const TBar& bar = manager.AddBar(BarOn(TDockingStyle::Top, 1, "Tools"), {{&a, {}}, {&b, grouped}});
    manager.RenameBar(bar.Id, "Mine");
    manager.RemoveLink(bar.Links[0].Id);
    manager.InsertLink(bar.Id, 0, c);
    TLinkSettings renamed = bar.Links[1];
    renamed.UserDefine = kUserDefineCaption;
    renamed.UserCaption = "B!";
    manager.SetLinkSettings(bar.Links[1].Id, renamed);
    manager.DockBar(bar.Id, {TDockingStyle::Bottom, 0, false, 5, 0});

    manager.ResetBar(bar.Id);
    EXPECT_EQ(bar.Caption, "Tools");
    EXPECT_EQ(Names(bar.Links), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(static_cast<const TLinkSettings&>(bar.Links[1]), grouped);
    EXPECT_EQ(bar.DockingStyle, TDockingStyle::Bottom);
}

TEST_F(BarManagerTest, ListenersHearOnceAfterTheOutermostUpdateAndOnlyOfChanges) {
    {
        TBarManager::TUpdate outer(manager);
        const TBar& bar = manager.AddBar(TBarProperties{});
        {
            TBarManager::TUpdate inner(manager);
            manager.SetBarVisible(bar.Id, false);
        }
        EXPECT_EQ(listener.calls, 0);
    }
    EXPECT_EQ(listener.calls, 1);

    const TBarId id = manager.Bar(0).Id;
    manager.SetBarVisible(id, false);
    manager.RenameBar(id, "");
    manager.SetOptions(manager.Options());
    manager.SetLinkSettings(manager.InsertLink(id, 0, a), {});
    manager.SetItem(a, a);
    EXPECT_EQ(listener.calls, 2) << "only the insert changed anything";

    TBarManagerOptions options;
    options.LargeIcons = true;
    manager.SetOptions(options);
    EXPECT_TRUE(manager.Options().LargeIcons);
    manager.ChangeItem(a, [](TBarItemProperties& item) { item.Progress.Color = 0x123456; });
    EXPECT_EQ(listener.calls, 4);

    manager.RemoveListener(listener);
    manager.RenameBar(id, "unheard");
    EXPECT_EQ(listener.calls, 4);
}

// Two links to one combo (a bar's and a sub-menu's): a choice made through either is the item's, and
// every view hears of it once.
TEST_F(BarManagerTest, AnItemChangesThroughTheManagerAndEveryLinkSeesIt) {
    TBarItem combo = Item("combo", TBarItemKind::Combo);
    combo.Combo.Entries = {"<nothing>", "base.plx", "old.plx"};
    combo.Combo.Choose(0);
    const TBarItem& item = manager.AddItem(combo);
    const TBar& bar = manager.AddBar(BarOn(TDockingStyle::Top, 0), {{&item, {}}, {&item, {}}});
    const int before = listener.calls;

    manager.ChangeItem(*bar.Links[1].Item, [](TBarItemProperties& chosen) { chosen.Combo.Choose(2); });
    EXPECT_EQ(listener.calls, before + 1);
    for (const TBarItemLink& link : bar.Links)
        EXPECT_EQ(std::make_pair(link.Item->Combo.ItemIndex, link.Item->Combo.Text),
                  std::make_pair(2, std::string("old.plx")));

    manager.ChangeItem(*bar.Links[0].Item, [](TBarItemProperties& typed) { typed.Combo.Type("new.plx"); });
    EXPECT_EQ(std::make_pair(bar.Links[1].Item->Combo.ItemIndex, bar.Links[1].Item->Combo.Text),
              std::make_pair(-1, std::string("new.plx")));
    manager.ChangeItem(item, [](TBarItemProperties& chosen) { chosen.Combo.Choose(7); });
    EXPECT_EQ(std::make_pair(item.Combo.ItemIndex, item.Combo.Text), std::make_pair(-1, std::string()))
        << "an index no entry has chooses none";
    EXPECT_EQ(listener.calls, before + 3);

    TBarItem stranger = Item("stranger");
    EXPECT_THROW(manager.ChangeItem(stranger, [](TBarItemProperties&) {}), std::invalid_argument);
}

}  // namespace
