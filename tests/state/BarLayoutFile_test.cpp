#include "state/BarLayoutFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/MemoryFileSystem.h"
#include "support/RaisedMessage.h"
#include "support/RefusingFileSystem.h"
#include "support/SmallBarDesign.h"
#include "support/TempDir.h"
#include "support/TextRoutines.h"
#include "support/WholeFileIni.h"

namespace {

const std::string kFile = "C:\\Data\\frmTest.bar.ini";
const std::string kPrefix = "frmTest.Bars.";

// "[@Bar0]" stands for "[frmTest.Bars.Bar0]", so that the cases stay short.
std::string Layout(std::string_view text) {
    return ReplaceText(text, "[@", "[" + kPrefix);
}

std::vector<std::string> LinkNames(const TItemLinks& links) {
    std::vector<std::string> names;
    for (const TBarItemLink& link : links)
        names.push_back(link.Item ? link.Item->Name : "-");
    return names;
}

const TItemLinks& FileMenu(const TBarManager& manager) {
    return manager.FindItem("mnuFile")->SubLinks;
}

// A small window's bars as designed, and a layout file in memory.
class BarLayoutFileTest : public ::testing::Test {
protected:
    BarLayoutFileTest() {
        files.folders.insert("C:\\Data");
        BuildSmallBars(manager);
    }

    std::string Save(const TBarManager& from) {
        SaveBarLayout(from, kPrefix, kFile, files);
        return files.files.at(kFile);
    }

    void Load(TBarManager& into, std::string_view content) {
        files.files[kFile] = std::string(content);
        LoadBarLayout(into, kPrefix, kFile, files);
    }

    TMemoryFileSystem files;
    TBarManager manager;
};

TEST_F(BarLayoutFileTest, AHandEditedFileWithLinkOverridesLoadsAndSavesAsItself) {
    const std::string edited = ReadFixture("bars/small-hand-edited.bar.ini");
    Load(manager, edited);
    EXPECT_EQ(manager.Bar(2).Caption, "Swatches");
    EXPECT_EQ(manager.Bar(0).Links[0].Caption(), "Check now");
    EXPECT_EQ(manager.Bar(0).Links[1].Width(), 100);
    EXPECT_FALSE(manager.Bar(0).Links[3].Visible);
    EXPECT_EQ(Save(manager), edited);
}

TEST_F(BarLayoutFileTest, SaveLoadSaveGivesTheSameBytesAfterWhatAUserDoes) {
    struct TCase {
        const char* name;
        std::function<void(TBarManager&)> change;
    } cases[] = {
        {"nothing", [](TBarManager&) {}},
        {"Colours to the left dock",
         [](TBarManager& m) {
             m.DockBar(m.Bar(2).Id, {TDockingStyle::Left, 0, true, 0, 12});
         }},
        {"Colours to a new row",
         [](TBarManager& m) {
             m.DockBar(m.Bar(2).Id, {TDockingStyle::Top, 1, true, 0, 23});
         }},
        {"Colours to the bottom",
         [](TBarManager& m) {
             m.DockBar(m.Bar(2).Id, {TDockingStyle::Bottom, 0, true, 40, 0});
         }},
        {"File floated and moved",
         [](TBarManager& m) {
             m.FloatBar(m.Bar(0).Id, 300, 250, 120, 44);
             m.FloatBar(m.Bar(0).Id, 410, 330, 96, 70);
         }},
        {"Colours hidden", [](TBarManager& m) { m.SetBarVisible(m.Bar(2).Id, false); }},
        {"customised",
         [](TBarManager& m) {
             const TBar& file = m.Bar(0);
             m.RenameBar(file.Id, "Commands");
             TLinkSettings print = file.Links[3];
             print.UserDefine = kUserDefineCaption | kUserDefinePaintStyle | kUserDefineGlyph;
             print.UserCaption = "Print it";
             print.UserPaintStyle = TPaintStyle::CaptionGlyph;
             m.SetLinkSettings(file.Links[3].Id, print);
             TLinkSettings combo = file.Links[1];
             combo.UserDefine = kUserDefineWidth;
             combo.UserWidth = 90;
             combo.BeginGroup = false;
             m.SetLinkSettings(file.Links[1].Id, combo);
             TLinkSettings hidden = file.Links[0];
             hidden.Visible = false;
             m.SetLinkSettings(file.Links[0].Id, hidden);
             m.RemoveLink(m.Bar(2).Links[1].Id);
             const TItemLinks& menu = m.FindItem("mnuFile")->SubLinks;
             m.MoveLink(menu[3].Id, 0);
             TLinkSettings used = menu[1];
             used.UseCount = 4;
             m.SetLinkSettings(menu[1].Id, used);
             m.SetLinkRecentIndex(menu[1].Id, 0);
             m.SetLinkRecentIndex(menu[2].Id, 0);
             const TBar& added = m.AddBar(TBarProperties{});
             m.RenameBar(added.Id, "Mine");
             m.InsertLink(added.Id, 0, *m.FindItem("btnPrint"));
             m.DockBar(added.Id, {TDockingStyle::Right, 0, true, 0, 0});
             TBarManagerOptions options = m.Options();
             options.LargeIcons = true;
             options.MenuAnimations = TMenuAnimations::Fade;
             options.ShowHint = false;
             options.MenusShowRecentItemsFirst = false;
             m.SetOptions(options);
         }},
    };
    const std::string designed = Save(manager);
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TBarManager changed;
        BuildSmallBars(changed);
        row.change(changed);
        const std::string saved = Save(changed);
        EXPECT_EQ(saved == designed, std::string(row.name) == "nothing");

        TBarManager loaded;
        BuildSmallBars(loaded);
        Load(loaded, saved);
        EXPECT_EQ(Save(loaded), saved);
    }
}

TEST_F(BarLayoutFileTest, LoadFollowsTheDefaultsSkipsAndFailures) {
    struct TCase {
        const char* name;
        const char* file;
        std::function<void(const TBarManager&)> check;
    } cases[] = {
        {"empty file: the design stays", "",
         [](const TBarManager& m) {
             EXPECT_TRUE(m.Bar(0).Visible && m.Bar(1).Visible && m.Bar(2).Visible);
             EXPECT_EQ(FileMenu(m).size(), 4u);
         }},
        {"BarCount=0 hides every bar", "[@Main]\nBarCount=0\n",
         [](const TBarManager& m) {
             EXPECT_FALSE(m.Bar(0).Visible || m.Bar(1).Visible || m.Bar(2).Visible);
             EXPECT_EQ(m.Bar(0).Links.size(), 5u) << "links untouched";
         }},
        {"any integer but 0 shows: Visible=7", "[@Main]\nBarCount=3\n[@Bar0]\nRow=1\nVisible=7\n",
         [](const TBarManager& m) {
             EXPECT_TRUE(m.Bar(0).Visible);
             EXPECT_FALSE(m.Bar(1).Visible) << "bars without a section stay hidden";
             EXPECT_TRUE(m.Bar(0).Links.empty()) << "ItemLinkCount defaults to 0";
         }},
        {"Visible=0x1 reads as true", "[@Main]\nBarCount=1\n[@Bar0]\nRow=1\nVisible=0x1\n",
         [](const TBarManager& m) { EXPECT_TRUE(m.Bar(0).Visible); }},
        {"Visible=yes is no integer: false", "[@Main]\nBarCount=1\n[@Bar0]\nRow=1\nVisible=yes\n",
         [](const TBarManager& m) { EXPECT_FALSE(m.Bar(0).Visible); }},
        {"a bar section without Row stays hidden", "[@Main]\nBarCount=1\n[@Bar0]\nCaption=X\nVisible=1\n",
         [](const TBarManager& m) {
             EXPECT_FALSE(m.Bar(0).Visible);
             EXPECT_EQ(m.Bar(0).Caption, "Tools");
         }},
        {"hexadecimal integers", "[@Main]\nBarCount=1\n[@Bar0]\nRow=0x2\nDockedLeft=0X10\nVisible=1\n",
         [](const TBarManager& m) {
             EXPECT_EQ(m.Bar(0).Row, 2);
             EXPECT_EQ(m.Bar(0).DockedLeft, 16);
         }},
        {"names match without regard to case",
         "[FRMTEST.BARS.MAIN]\nbarcount=1\n[frmtest.bars.bar0]\nROW=1\nVISIBLE=1\ncaption=Mine\n"
         "itemlinkcount=1\n[FrmTest.Bars.Bar0.ITEMLINK0]\nitemname=BTNPRINT\n",
         [](const TBarManager& m) {
             EXPECT_EQ(m.Bar(0).Caption, "Mine");
             EXPECT_EQ(LinkNames(m.Bar(0).Links), (std::vector<std::string>{"btnPrint"}));
         }},
        {"UserDefine=4 without UserPaintStyle: its own standard style",
         "[@Main]\nBarCount=1\n[@Bar0]\nRow=1\nVisible=1\nItemLinkCount=1\n[@Bar0.ItemLink0]\nItemName=btnPrint\n"
         "UserDefine=4\n",
         [](const TBarManager& m) {
             const TBarItemLink& link = m.Bar(0).Links[0];
             EXPECT_EQ(link.UserDefine, kUserDefinePaintStyle);
             EXPECT_EQ(link.UserPaintStyle, TPaintStyle::Standard);
         }},
        {"links of gone items and free indexes are skipped, the others load",
         "[@Main]\nBarCount=3\n[@Bar2]\nRow=1\nVisible=1\nItemLinkCount=5\n[@Bar2.ItemLink0]\nItemName=barGreen\n"
         "[@Bar2.ItemLink2]\nItemName=\n[@Bar2.ItemLink3]\nItemName=barBlue\n[@Bar2.ItemLink4]\nItemName=barRed\n"
         "[@Bar2.ItemLink5]\nItemName=btnPrint\n",
         [](const TBarManager& m) {
             EXPECT_EQ(LinkNames(m.Bar(2).Links), (std::vector<std::string>{"barBlue", "barRed"}));
         }},
        {"a sub-menu with ItemLinkCount=0 is emptied", "[@SubItem_mnuFile]\nItemLinkCount=0\n",
         [](const TBarManager& m) { EXPECT_TRUE(FileMenu(m).empty()); }},
        {"a sub-menu section without ItemLinkCount leaves the menu", "[@SubItem_mnuFile]\nOther=1\n",
         [](const TBarManager& m) { EXPECT_EQ(FileMenu(m).size(), 4u); }},
        {"a side that is none shows the bar with the values before it",
         "[@Main]\nBarCount=3\n[@Bar2]\nCaption=Mine\nDockedLeft=50\nRow=1\nDockingStyle=9\nVisible=0\n",
         [](const TBarManager& m) {
             EXPECT_EQ(m.Bar(2).Caption, "Mine");
             EXPECT_EQ(m.Bar(2).DockedLeft, 50);
             EXPECT_EQ(m.Bar(2).DockingStyle, TDockingStyle::Top);
             EXPECT_TRUE(m.Bar(2).Visible);
         }},
        {"a paint style that is none keeps the link, its visibility and usage",
         "[@Main]\nBarCount=1\n[@Bar0]\nRow=1\nVisible=1\nItemLinkCount=1\n[@Bar0.ItemLink0]\nItemName=btnPrint\n"
         "UserDefine=12\nUserPaintStyle=7\nUserWidth=60\nVisible=0\nUseCount=3\n",
         [](const TBarManager& m) {
             ASSERT_EQ(m.Bar(0).Links.size(), 1u);
             const TBarItemLink& link = m.Bar(0).Links[0];
             EXPECT_EQ(link.UserWidth, 100) << "the width follows the paint style";
             EXPECT_FALSE(link.Visible);
             EXPECT_EQ(link.UseCount, 3);
         }},
        {"stored bars beyond the existing ones are appended",
         "[@Main]\nBarCount=6\n[@Bar0]\nRow=1\nVisible=1\n[@Bar5]\nRow=0\nCaption=Extra\nVisible=1\n"
         "DockingStyle=4\n",
         [](const TBarManager& m) {
             ASSERT_EQ(m.BarCount(), 4u);
             EXPECT_EQ(m.Bar(3).Caption, "Extra");
             EXPECT_EQ(m.Bar(3).DockingStyle, TDockingStyle::Bottom);
             EXPECT_FALSE(m.Bar(2).Visible);
         }},
        {"stored recent indexes give the recently-used order, lowest first",
         "[@SubItem_mnuFile]\nItemLinkCount=3\n[@SubItem_mnuFile.ItemLink0]\nItemName=btnOpen\nRecentIndex=5\n"
         "UseCount=2\n[@SubItem_mnuFile.ItemLink1]\nItemName=btnPrint\n[@SubItem_mnuFile.ItemLink2]\n"
         "ItemName=btnQuit\nRecentIndex=2\nUseCount=7\n",
         [](const TBarManager& m) {
             const TItemLinks& links = FileMenu(m);
             EXPECT_EQ((std::vector<int>{links.RecentIndex(links[0].Id), links.RecentIndex(links[1].Id),
                                         links.RecentIndex(links[2].Id)}),
                       (std::vector<int>{1, -1, 0}));
             EXPECT_EQ((std::vector<int>{links[0].UseCount, links[1].UseCount, links[2].UseCount}),
                       (std::vector<int>{2, 0, 7}));
         }},
        {"the options, each through its setter",
         "[@Main]\nMenusShowRecentItemsFirst=0\nShowFullMenusAfterDelay=0\nLargeIcons=1\nMenuAnimations=4\n"
         "ShowHint=0\nShowShortCutInHint=0\n",
         [](const TBarManager& m) {
             TBarManagerOptions expected{false, false, true, TMenuAnimations::Fade, false, false};
             EXPECT_EQ(m.Options(), expected);
             EXPECT_TRUE(m.Bar(2).Visible) << "no BarCount: no bar touched";
         }},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TBarManager loaded;
        BuildSmallBars(loaded);
        Load(loaded, Layout(row.file));
        row.check(loaded);
    }
}

TEST_F(BarLayoutFileTest, CountsFarBeyondTheSectionsCostNothing) {
    Load(manager, Layout("[@Main]\nBarCount=2147483647\n[@Bar0]\nRow=1\nVisible=1\nItemLinkCount=2147483647\n"
                         "[@Bar0.ItemLink7]\nItemName=btnPrint\n[@Bar0.ItemLink007]\nItemName=btnOpen\n"));
    EXPECT_EQ(LinkNames(manager.Bar(0).Links), (std::vector<std::string>{"btnPrint"}))
        << "numbers are read as the save writes them";
    EXPECT_EQ(manager.BarCount(), 3u);
}

TEST_F(BarLayoutFileTest, SaveKeepsOtherSectionsFirstAndLosesTheirComments) {
    const std::string designed = Save(manager);
    files.files[kFile] =
        "[Other]\r\n; a comment\r\nx = 1\r\n[frmTest.Bars.Bar7]\r\nstale=1\r\n"
        "[FRMTEST.BARS.Old]\r\na=1\r\n[frmTest.Bars.Main]\r\nBarCount=9\r\n";
    EXPECT_EQ(Save(manager), "[Other]\r\nx=1\r\n\r\n[FRMTEST.BARS.Old]\r\na=1\r\n\r\n" + designed)
        << "the prefix is compared letter case included";
}

TEST_F(BarLayoutFileTest, SaveWritesBeginGroupAsShownAndNoSectionForUnnamedItems) {
    TBarItem unnamed;
    const TBarItem& nameless = manager.AddItem(unnamed);
    const TBarItem& gone = manager.AddItem(*manager.FindItem("btnPrint"));
    auto grouped = [](bool visible) {
        TLinkSettings settings;
        settings.BeginGroup = true;
        settings.Visible = visible;
        return settings;
    };
    TBarProperties properties;
    properties.Caption = "Groups";
    const TBar& bar = manager.AddBar(properties, {{manager.FindItem("btnPrint"), grouped(true)},
                                                  {manager.FindItem("btnSave"), grouped(false)},
                                                  {manager.FindItem("btnOpen"), {}},
                                                  {&nameless, {}},
                                                  {&gone, {}},
                                                  {manager.FindItem("btnQuit"), {}}});
    manager.DeleteItem(gone);
    ASSERT_EQ(bar.Links.size(), 6u);
    const ini::TWholeFileIni file(Save(manager));
    const std::string section = kPrefix + "Bar3";
    EXPECT_EQ(file.ReadInteger(section, "ItemLinkCount", -1), 6);
    const char* expected[] = {"0", "1", "1", nullptr, nullptr, "0"};
    for (std::size_t j = 0; j < 6; ++j) {
        const std::string link = section + ".ItemLink" + std::to_string(j);
        EXPECT_EQ(file.ReadString(link, "BeginGroup", "none"), expected[j] ? expected[j] : "none") << j;
    }
}

TEST_F(BarLayoutFileTest, StandardStyleStoresNoRecentItems) {
    manager.Style = TBarManagerStyle::Standard;
    const ini::TWholeFileIni file(Save(manager));
    EXPECT_EQ(file.Keys(kPrefix + "Main"),
              (std::vector<std::string>{"LargeIcons", "MenuAnimations", "ShowHint", "ShowShortCutInHint", "BarCount"}));
    EXPECT_EQ(file.Keys(kPrefix + "SubItem_mnuFile.ItemLink0"),
              (std::vector<std::string>{"ItemName", "BeginGroup", "UserDefine"}));

    Load(manager, Layout("[@Main]\nMenusShowRecentItemsFirst=0\n[@SubItem_mnuFile]\nItemLinkCount=1\n"
                         "[@SubItem_mnuFile.ItemLink0]\nItemName=btnPrint\nUseCount=5\nRecentIndex=0\n"));
    EXPECT_TRUE(manager.Options().MenusShowRecentItemsFirst);
    const TItemLinks& links = FileMenu(manager);
    EXPECT_EQ(links[0].UseCount, 0);
    EXPECT_EQ(links.RecentIndex(links[0].Id), -1);
}

TEST_F(BarLayoutFileTest, FileErrorsReachTheCallerAndChangeNothing) {
    const std::string designed = Save(manager);
    // The file is there but cannot be read, and every write is refused.
    TRefusingFileSystem broken(files);
    broken.unreadable = true;
    broken.refuseWrites = true;
    EXPECT_EQ(MessageOf([&] { LoadBarLayout(manager, kPrefix, kFile, broken); }), "Unable to read " + kFile);
    EXPECT_EQ(MessageOf([&] { SaveBarLayout(manager, kPrefix, kFile, broken); }), "Unable to read " + kFile);
    EXPECT_EQ(Save(manager), designed);
    LoadBarLayout(manager, kPrefix, "C:\\Data\\none.bar.ini", files);
    EXPECT_EQ(Save(manager), designed) << "a missing file loads as an empty one";

    const std::string elsewhere = "C:\\Missing\\frmTest.bar.ini";
    EXPECT_EQ(MessageOf([&] { SaveBarLayout(manager, kPrefix, elsewhere, files); }), "Unable to write to " + elsewhere);

    LoadBarLayout(manager, kPrefix, "", broken);
    SaveBarLayout(manager, kPrefix, "", broken);
    EXPECT_EQ(BarLayoutPrefix("frmTest", "Bars"), kPrefix);
}

}  // namespace
