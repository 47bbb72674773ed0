#include "toolkit/bars/model/PersonalMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

TBarItem Item(const char* name, TBarItemKind kind = TBarItemKind::Button) {
    TBarItem item;
    item.Name = name;
    item.Kind = kind;
    return item;
}

struct TUse {
    const char* Item;
    int UseCount;
    int RecentIndex;
};

struct TRow {
    const char* Name;
    std::vector<TUse> Uses;
    const char* First;     // entries before expanding: "|" a separator, "~" an entry held back until then
    const char* Expanded;  // entries after expanding
    bool CanExpand = true;
    std::vector<std::string> Groups = {"Exit"};
    std::vector<std::string> Hidden = {};
    bool Personalised = true;
};

// A menu like File: Do, Save, a combo (never a menu entry), Print and Exit, Exit beginning a group.
class PersonalMenuTest : public ::testing::Test {
protected:
    PersonalMenuTest() : menu(manager.AddItem(Item("File", TBarItemKind::SubItem))) {
        for (const char* name : {"Do", "Save", "Combo", "Print", "Exit"}) {
            const TBarItem& item =
                manager.AddItem(Item(name, name == std::string("Combo") ? TBarItemKind::Combo : TBarItemKind::Button));
            manager.InsertLink(menu, SIZE_MAX, item);
        }
    }

    TLinkId LinkOf(const std::string& name) const {
        for (const TBarItemLink& link : menu.SubLinks)
            if (link.Item->Name == name)
                return link.Id;
        throw std::invalid_argument(name);
    }

    void Apply(const TRow& row) {
        for (const TBarItemLink& link : menu.SubLinks) {
            TLinkSettings settings = link;
            for (const std::string& name : row.Groups)
                settings.BeginGroup = settings.BeginGroup || name == link.Item->Name;
            for (const std::string& name : row.Hidden)
                settings.Visible = settings.Visible && name != link.Item->Name;
            manager.SetLinkSettings(link.Id, settings);
        }
        // Applied by ascending index, as a load does.
        std::vector<TUse> uses = row.Uses;
        std::sort(uses.begin(), uses.end(), [](const TUse& a, const TUse& b) { return a.RecentIndex < b.RecentIndex; });
        for (const TUse& use : uses) {
            TLinkSettings settings = *manager.FindLink(LinkOf(use.Item));
            settings.UseCount = use.UseCount;
            manager.SetLinkSettings(LinkOf(use.Item), settings);
            manager.SetLinkRecentIndex(LinkOf(use.Item), use.RecentIndex);
        }
    }

    std::string Shown(const TMenuPlan& plan) const {
        std::string text;
        for (const TMenuEntryPlan& entry : plan.Entries) {
            if (!text.empty())
                text += entry.SeparatorBefore ? " | " : " ";
            text += (entry.Recent ? "" : "~") + menu.SubLinks[entry.LinkIndex].Item->Name;
        }
        return text;
    }

    TBarManager manager;
    const TBarItem& menu;
};

TEST_F(PersonalMenuTest, ShowsRecentEntriesFirstAndTheRestOnceExpanded) {
    const TRow rows[] = {
        {"nothing used yet: every entry", {}, "Do Save Print | Exit", "Do Save Print | Exit", false},
        {"one entry used: that one", {{"Do", 1, 0}}, "Do", "Do ~Save ~Print | ~Exit"},
        {"the two most recent of four", {{"Print", 1, 0}, {"Do", 1, 1}}, "Do Print", "Do ~Save Print | ~Exit"},
        {"a third used once drops out",
         {{"Save", 1, 0}, {"Print", 1, 1}, {"Do", 1, 2}},
         "Save Print",
         "~Do Save Print | ~Exit"},
        {"a third used often stays",
         {{"Save", 1, 0}, {"Print", 1, 1}, {"Do", kFrequentUseCount, 2}},
         "Do Save Print",
         "Do Save Print | ~Exit"},
        {"a recent entry brings its own separator",
         {{"Exit", 2, 0}, {"Do", 1, 1}},
         "Do | Exit",
         "Do ~Save ~Print | Exit"},
        {"an entry held back passes its group on",
         {{"Do", 1, 0}, {"Print", 1, 1}},
         "Do | Print",
         "Do | ~Save Print | ~Exit",
         true,
         {"Exit", "Save"}},
        {"the first entry has no separator", {{"Exit", 1, 0}}, "Exit", "~Do ~Save ~Print | Exit"},
        {"every entry recent: nothing to expand",
         {{"Do", 3, 0}, {"Save", 3, 1}, {"Print", 3, 2}, {"Exit", 3, 3}},
         "Do Save Print | Exit",
         "Do Save Print | Exit",
         false},
        {"hidden links are no entries and do not count",
         {{"Exit", 1, 0}, {"Print", 1, 1}, {"Do", 1, 2}},
         "Print | Exit",
         "~Do Print | Exit",
         true,
         {"Exit"},
         {"Save"}},
        {"not personalised: all, in order",
         {{"Exit", 1, 0}},
         "Do Save Print | Exit",
         "Do Save Print | Exit",
         false,
         {"Exit"},
         {},
         false},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        manager.ClearLinks(menu);
        for (const char* name : {"Do", "Save", "Combo", "Print", "Exit"})
            manager.InsertLink(menu, SIZE_MAX, *manager.FindItem(name));
        Apply(row);
        const TMenuPlan first = PlanMenu(menu.SubLinks, row.Personalised, false);
        EXPECT_EQ(Shown(first), row.First);
        EXPECT_EQ(first.CanExpand, row.CanExpand);
        const TMenuPlan expanded = PlanMenu(menu.SubLinks, row.Personalised, true);
        EXPECT_EQ(Shown(expanded), row.Expanded);
        EXPECT_FALSE(expanded.CanExpand);
    }
}

TEST_F(PersonalMenuTest, AUseCountsAndPutsTheLinkFirstInTheRecentOrder) {
    for (const char* name : {"Print", "Print", "Do", "Exit", "Do"})
        RecordLinkUse(manager, LinkOf(name));
    const TItemLinks& links = menu.SubLinks;
    EXPECT_EQ(manager.FindLink(LinkOf("Do"))->UseCount, 2);
    EXPECT_EQ(manager.FindLink(LinkOf("Print"))->UseCount, 2);
    EXPECT_EQ(manager.FindLink(LinkOf("Exit"))->UseCount, 1);
    EXPECT_EQ(manager.FindLink(LinkOf("Save"))->UseCount, 0);
    EXPECT_EQ(links.RecentIndex(LinkOf("Do")), 0);
    EXPECT_EQ(links.RecentIndex(LinkOf("Exit")), 1);
    EXPECT_EQ(links.RecentIndex(LinkOf("Print")), 2);
    EXPECT_EQ(links.RecentIndex(LinkOf("Save")), -1);
    EXPECT_EQ(Shown(PlanMenu(links, true, false)), "Do Exit") << "Print, used twice, is third";
}

TEST_F(PersonalMenuTest, OnlyANonStandardStyleWithRecentItemsFirstPersonalises) {
    struct {
        TBarManagerStyle Style;
        bool RecentFirst;
        bool Personalises;
    } const rows[] = {
        {TBarManagerStyle::Office, true, true},
        {TBarManagerStyle::Flat, true, true},
        {TBarManagerStyle::Office, false, false},
        {TBarManagerStyle::Standard, true, false},
    };
    for (const auto& row : rows) {
        manager.Style = row.Style;
        TBarManagerOptions options = manager.Options();
        options.MenusShowRecentItemsFirst = row.RecentFirst;
        manager.SetOptions(options);
        EXPECT_EQ(PersonalisesMenus(manager), row.Personalises);
    }
}

}  // namespace
