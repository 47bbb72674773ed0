#include "app/MainBars.h"

#include <gtest/gtest.h>

#include "state/BarLayoutFile.h"
#include "support/FixedTextMeasure.h"
#include "support/MemoryFileSystem.h"
#include "support/TempDir.h"
#include "toolkit/bars/model/RowLayout.h"

namespace {

class MainBarsTest : public ::testing::Test {
protected:
    MainBarsTest() { BuildMainBars(manager); }

    static std::vector<std::string> LinkNames(const TItemLinks& links, bool separators) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < links.size(); ++i)
            names.push_back((separators && ShowsSeparatorBefore(links, i) ? "| " : "") + links[i].Item->Name);
        return names;
    }

    TBarManager manager;
};

TEST_F(MainBarsTest, BarsAndLinksFollowTheDesignInLayoutFileOrder) {
    ASSERT_EQ(manager.BarCount(), 3u);
    const TBar& file = manager.Bar(0);
    const TBar& menu = manager.Bar(1);
    const TBar& colours = manager.Bar(2);
    EXPECT_EQ(file.Caption, "File");
    EXPECT_EQ(menu.Caption, "Main Menu");
    EXPECT_EQ(colours.Caption, "Colours");
    EXPECT_EQ(LinkNames(file.Links, true), (std::vector<std::string>{"btnDoCheck", "| cbxCompareFiles",
                                                                     "| btnSaveResult", "btnPrint", "| btnFileExit"}));
    EXPECT_EQ(file.Links[4].UserDefine, kUserDefinePaintStyle);
    EXPECT_EQ(LinkNames(menu.Links, true), (std::vector<std::string>{"File1"}));
    EXPECT_EQ(LinkNames(colours.Links, true), (std::vector<std::string>{"barColor1", "| barColor2"}));
    EXPECT_EQ(LinkNames(manager.FindItem(kFileMenuItem)->SubLinks, true),
              (std::vector<std::string>{"btnDoCheck", "btnSaveResult", "btnPrint", "| btnFileExit"}));

    EXPECT_TRUE(menu.IsMainMenu && menu.WholeRow && menu.OneOnRow);
    EXPECT_EQ((std::vector<int>{file.Row, file.DockedLeft, file.DockedTop, file.FloatLeft, file.FloatTop,
                                file.FloatClientWidth, file.FloatClientHeight}),
              (std::vector<int>{1, 0, 23, 276, 216, 23, 22}));
    EXPECT_EQ((std::vector<int>{colours.Row, colours.DockedLeft, colours.FloatClientWidth, colours.FloatClientHeight}),
              (std::vector<int>{1, 403, 40, 16}));
}

// The first run leaves the layout file of the design, byte for byte.
TEST_F(MainBarsTest, TheDesignedWindowSavesItsSectionTable) {
    TMemoryFileSystem files;
    files.folders.insert("C:\\Data");
    SaveBarLayout(manager, BarLayoutPrefix("frmPLUX", "BarManager"), "C:\\Data\\frmPLUX.bar.ini", files);
    EXPECT_EQ(files.files.at("C:\\Data\\frmPLUX.bar.ini"), ReadFixture("bars/designed.bar.ini"));
}

TEST_F(MainBarsTest, ItemsCarryTheirActionsTextsCategoriesAndToolTips) {
    struct TCase {
        std::string_view item;
        const char* category;
        const char* caption;
        int glyph;
        const char* tip;
    } cases[] = {
        {kDoCheckItem, "File", "&Do Check", 1, ""},
        {kSaveResultItem, "File", "&Save Result", 3, "Save current result (Ctrl+S)"},
        {kPrintItem, "File", "&Print", 2, ""},
        {kFileExitItem, "File", "E&xit", 0, ""},
        {kFileMenuItem, "Menus", "&File", -1, ""},
        {kCompareFilesItem, "Default", "Compare report with", -1, "Select a file to compare to"},
        {kColor1Item, "Colours", "Color &1", -1, "Color 1"},
        {kColor2Item, "Colours", "Color &2", -1, "Color 2"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(std::string(row.item));
        const TBarItem* item = manager.FindItem(row.item);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Category, row.category);
        EXPECT_EQ(item->Caption, row.caption);
        EXPECT_EQ(item->GlyphIndex, row.glyph);
        EXPECT_EQ(ToolTipText(*item, manager.Options().ShowShortCutInHint), row.tip);
    }
    EXPECT_EQ(manager.Categories, (std::vector<std::string>{"Default", "File", "Menus", "Colours"}));
    EXPECT_EQ(manager.FindItem(kDoCheckItem)->ShortCut.Code, 16453);
    EXPECT_EQ(manager.FindItem(kPrintItem)->ShortCut.Code, 16464);
    EXPECT_TRUE(manager.FindItem(kFileExitItem)->ShortCut.Empty());
    EXPECT_EQ(manager.FindItem(kColor1Item)->Description, "#dcFED6");
    EXPECT_EQ(manager.FindItem(kColor2Item)->Description, "#ffffc8");
    EXPECT_EQ(manager.FindItem(kColor1Item)->Progress.FilledLength(60), 60);
    EXPECT_EQ(manager.FindItem(kCompareFilesItem)->Combo.BoxWidth, 150);
    EXPECT_EQ(manager.FindItem(kCompareFilesItem)->Combo.DropDownCount, 8);
}

TEST_F(MainBarsTest, DesignLayoutPutsTheToolbarsOnRowOneBelowTheMenu) {
    const TFixedTextMeasure measure;
    std::vector<TDockedBar> docked;
    for (std::size_t i = 0; i < manager.BarCount(); ++i) {
        const TBar& bar = manager.Bar(i);
        const TBarPlacement placement = PlaceBarItems(bar, {false, true, 688}, TBarMetrics{}, measure, TFontSpec{});
        docked.push_back(
            {bar.Id, bar.Row, bar.DockedLeft, bar.OneOnRow, bar.WholeRow, placement.Width, placement.Height});
    }
    const TDockPlacement dock = PlaceDock(docked, 688, false);
    EXPECT_EQ(dock.Thickness, 49);
    EXPECT_EQ(dock.Bounds[1], (TRect{0, 0, 688, 23}));
    EXPECT_EQ(dock.Bounds[0].Left, 0);
    EXPECT_EQ(dock.Bounds[0].Top, 23);
    EXPECT_LE(dock.Bounds[0].Right, 403) << "the File bar fits before the Colours bar";
    EXPECT_EQ(dock.Bounds[2].Left, 403);
    EXPECT_EQ(dock.Bounds[2].Top, 23);
}

TEST(MainBars, DesignSizesAndPositionsFollowTheScreenScale) {
    TBarManager manager;
    BuildMainBars(manager, DesignScaleFor(120, 16));
    EXPECT_EQ(manager.Bar(2).DockedLeft, 496);
    EXPECT_EQ(manager.Bar(0).DockedTop, 28);
    EXPECT_EQ(manager.Bar(0).FloatLeft, 340);
    EXPECT_EQ(manager.FindItem(kCompareFilesItem)->Combo.BoxWidth, 185);
    EXPECT_EQ(manager.FindItem(kColor1Item)->Progress.Width, 123);
}

}  // namespace
