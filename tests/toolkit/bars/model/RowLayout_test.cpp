#include "toolkit/bars/model/RowLayout.h"

#include <gtest/gtest.h>

#include "support/FixedTextMeasure.h"

namespace {

// A button with a glyph, a combo "Pick" with a 150-pixel box, a swatch and a menu item "&File".
class RowLayoutTest : public ::testing::Test {
protected:
    RowLayoutTest() {
        TBarItem item;
        item.GlyphIndex = 0;
        item.Caption = "&Print";
        button = &manager.AddItem(item);
        item = TBarItem{};
        item.Kind = TBarItemKind::Combo;
        item.Caption = "Pick";
        item.Combo.BoxWidth = 150;
        combo = &manager.AddItem(item);
        item = TBarItem{};
        item.Kind = TBarItemKind::Progress;
        item.Progress.Width = 100;
        swatch = &manager.AddItem(item);
        item = TBarItem{};
        item.Kind = TBarItemKind::SubItem;
        item.Caption = "&File";
        menu = &manager.AddItem(item);
    }

    static TDesignLink Link(const TBarItem* item, bool group = false, bool visible = true) {
        TDesignLink link{item, {}};
        link.Settings.BeginGroup = group;
        link.Settings.Visible = visible;
        return link;
    }

    TBarPlacement Place(const TBar& bar, TBarFrame frame = {}) const {
        return PlaceBarItems(bar, frame, TBarMetrics{}, measure, TFontSpec{});
    }

    TBarManager manager;
    TFixedTextMeasure measure;
    const TBarItem* button = nullptr;
    const TBarItem* combo = nullptr;
    const TBarItem* swatch = nullptr;
    const TBarItem* menu = nullptr;
};

TEST_F(RowLayoutTest, ToolbarItemsFollowTheGripWithSeparatorsForShownGroups) {
    const TBar& bar =
        manager.AddBar(TBarProperties{}, {Link(button), Link(combo, true), Link(button, true, false), Link(button)});
    const TBarPlacement placement = Place(bar);

    EXPECT_EQ(placement.Grip, (TRect{0, 0, 10, 26}));
    ASSERT_EQ(placement.Items.size(), 3u);
    EXPECT_EQ(placement.Items[0].Bounds, (TRect{10, 2, 33, 24}));
    EXPECT_TRUE(placement.Items[1].SeparatorBefore);
    EXPECT_EQ(placement.Items[1].Separator, (TRect{33, 2, 39, 24}));
    EXPECT_EQ(placement.Items[1].Bounds, (TRect{39, 2, 39 + 24 + 4 + 150, 24}));
    EXPECT_EQ(placement.Items[1].ComboBox, (TRect{67, 2, 217, 24}));
    EXPECT_EQ(placement.Items[2].LinkIndex, 3u);
    EXPECT_EQ(placement.Items[2].Link, bar.Links[3].Id);
    EXPECT_TRUE(placement.Items[2].SeparatorBefore) << "the hidden link's group flag carries over";
    EXPECT_EQ(placement.Width, 223 + 23 + 2);
    EXPECT_EQ(placement.Height, 26);
    EXPECT_EQ(placement.ItemAt(40, 10), &placement.Items[1]);
    EXPECT_EQ(placement.ItemAt(35, 10), nullptr) << "a separator is no item";
}

TEST_F(RowLayoutTest, MenuBarShowsCaptionsWithoutSeparatorsOrAccessMarks) {
    TBarProperties properties;
    properties.IsMainMenu = true;
    const TBar& bar = manager.AddBar(properties, {Link(menu), Link(menu, true), Link(button)});
    const TBarPlacement placement = Place(bar);
    ASSERT_EQ(placement.Items.size(), 3u);
    EXPECT_EQ(placement.Items[0].Bounds, (TRect{10, 2, 10 + 4 * 6 + 14, 21}));
    EXPECT_FALSE(placement.Items[1].SeparatorBefore);
    EXPECT_EQ(placement.Items[2].Bounds.Width(), 5 * 6 + 14) << "a button shows its caption on a menu bar";
    EXPECT_EQ(placement.Height, 23);
}

TEST_F(RowLayoutTest, PaintStylesAndOwnWidthsShapeTheItems) {
    struct TCase {
        const char* name;
        const TBarItem* item;
        int userDefine;
        TPaintStyle style;
        bool glyph;
        bool caption;
        int width;
    } cases[] = {
        {"standard: the glyph", button, 0, TPaintStyle::Standard, true, false, 23},
        {"caption in menu: the glyph on a bar", button, kUserDefinePaintStyle, TPaintStyle::CaptionInMenu, true, false,
         23},
        {"caption", button, kUserDefinePaintStyle, TPaintStyle::Caption, false, true, 5 * 6 + 14},
        {"caption and glyph", button, kUserDefinePaintStyle, TPaintStyle::CaptionGlyph, true, true, 23 + 5 * 6 + 7},
        {"style without its bit", button, 0, TPaintStyle::Caption, true, false, 23},
        {"a sub-menu shows its caption", menu, 0, TPaintStyle::Standard, false, true, 4 * 6 + 14},
        {"own width of a combo's box", combo, kUserDefineWidth, TPaintStyle::Standard, false, true, 24 + 4 + 60},
        {"own width of a swatch", swatch, kUserDefineWidth, TPaintStyle::Standard, false, true, 60},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TDesignLink link = Link(row.item);
        link.Settings.UserDefine = row.userDefine;
        link.Settings.UserPaintStyle = row.style;
        link.Settings.UserWidth = 60;
        const TBar& bar = manager.AddBar(TBarProperties{}, {link});
        if (row.item == button) {
            const TItemLook look = LookOnBar(bar.Links[0], false);
            EXPECT_EQ(look.Glyph, row.glyph);
            EXPECT_EQ(look.Caption, row.caption);
        }
        EXPECT_EQ(Place(bar).Items[0].Bounds.Width(), row.width);
    }
    manager.ChangeItem(*button, [](TBarItemProperties& item) { item.GlyphIndex = -1; });
    EXPECT_TRUE(LookOnBar(manager.AddBar(TBarProperties{}, {Link(button)}).Links[0], false).Caption)
        << "a button without a glyph shows its caption";
}

TEST_F(RowLayoutTest, ItemsWrapAtTheMaximumLengthWithoutLeadingSeparators) {
    const TBar& bar =
        manager.AddBar(TBarProperties{}, {Link(button), Link(button, true), Link(button), Link(button, true)});
    // Grip and border take 10, each button 23, the separator 6, the closing border 2.
    const TBarPlacement wrapped = Place(bar, {false, true, 10 + 23 + 6 + 23 + 2});
    ASSERT_EQ(wrapped.Items.size(), 4u);
    EXPECT_EQ(wrapped.Items[1].Bounds, (TRect{39, 2, 62, 24}));
    EXPECT_EQ(wrapped.Items[2].Bounds, (TRect{10, 24, 33, 46}));
    EXPECT_FALSE(wrapped.Items[2].SeparatorBefore);
    EXPECT_TRUE(wrapped.Items[3].SeparatorBefore);
    EXPECT_EQ(wrapped.Width, 64);
    EXPECT_EQ(wrapped.Height, 48);
    EXPECT_EQ(wrapped.Grip, (TRect{0, 0, 10, 48}));

    const TBarPlacement narrowest = Place(bar, {false, false, 1});
    EXPECT_EQ(narrowest.Items[3].Bounds, (TRect{2, 68, 25, 90})) << "one item per line at least";
    EXPECT_EQ(narrowest.Grip, TRect{});
}

TEST_F(RowLayoutTest, AVerticalBarIsAHorizontalOneWithItsAxesSwapped) {
    const TBar& bar = manager.AddBar(TBarProperties{}, {Link(button), Link(swatch, true), Link(button)});
    const TBarPlacement horizontal = Place(bar);
    const TBarPlacement vertical = Place(bar, {true, true, 0});
    EXPECT_EQ(vertical.Grip, (TRect{0, 0, 104, 10}));
    EXPECT_EQ(vertical.Items[0].Bounds, (TRect{2, 10, 25, 32}));
    EXPECT_EQ(vertical.Items[1].Separator, (TRect{2, 32, 102, 38}));
    EXPECT_EQ(vertical.Items[1].Bounds, (TRect{2, 38, 102, 60}));
    EXPECT_EQ(vertical.Height, 10 + 22 + 6 + 22 + 22 + 2);
    EXPECT_EQ(vertical.Width, 2 + 100 + 2);
    EXPECT_EQ(horizontal.Width, 10 + 23 + 6 + 100 + 23 + 2);
}

TDockedBar Docked(unsigned id, int row, int position, int length, int thickness = 26, bool alone = false) {
    return TDockedBar{TBarId{id}, row, position, alone, false, length, thickness};
}

TEST(DockLayout, RowsStackInNumberOrderAndBarsKeepTheirPositionsWithoutOverlap) {
    TDockedBar menu = Docked(1, 0, 0, 40, 23, true);
    menu.WholeRow = true;
    const std::vector<TDockedBar> bars = {Docked(5, 5, 10, 50, 30), Docked(3, 1, 403, 100), menu, Docked(2, 1, 0, 377),
                                          Docked(4, 1, 420, 60, 20)};
    const TDockPlacement placement = PlaceDock(bars, 688, false);

    EXPECT_EQ(placement.Bounds[2], (TRect{0, 0, 688, 23}));
    EXPECT_EQ(placement.Bounds[3], (TRect{0, 23, 377, 49}));
    EXPECT_EQ(placement.Bounds[1], (TRect{403, 23, 503, 49}));
    EXPECT_EQ(placement.Bounds[4], (TRect{503, 23, 563, 43})) << "pushed along, not over";
    EXPECT_EQ(placement.Bounds[0], (TRect{10, 49, 60, 79})) << "rows 2 to 4 are empty and take no room";
    EXPECT_EQ(placement.Thickness, 79);
    ASSERT_EQ(placement.Lines.size(), 3u);
    EXPECT_EQ(placement.Lines[1].Row, 1);
    EXPECT_EQ(placement.Lines[1].Start, 23);
    EXPECT_EQ(placement.Lines[1].End, 49);
    EXPECT_EQ(placement.Lines[1].Bars, (std::vector<TBarId>{TBarId{2}, TBarId{3}, TBarId{4}}));
    EXPECT_TRUE(placement.Lines[0].Alone);
    EXPECT_FALSE(placement.Lines[1].Alone);
    EXPECT_EQ(PlaceDock({}, 688, false).Thickness, 0);
}

TEST(DockLayout, BarsThatNoLongerFitMoveBackThenWrapAndComeBackWhenThereIsRoom) {
    const std::vector<TDockedBar> bars = {Docked(1, 1, 0, 377), Docked(2, 1, 403, 210)};
    struct TCase {
        int dockLength;
        TRect colours;
        int thickness;
    } cases[] = {
        {688, {403, 0, 613, 26}, 26},  {600, {390, 0, 600, 26}, 26},  // moved back to the dock's end
        {587, {377, 0, 587, 26}, 26},                                 // right after the File bar
        {586, {376, 26, 586, 52}, 52},  // wrapped onto a further line, as far along as it fits
        {200, {0, 26, 210, 52}, 52},   {688, {403, 0, 613, 26}, 26},  // wide again: the stored row is back
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.dockLength);
        const TDockPlacement placement = PlaceDock(bars, row.dockLength, false);
        EXPECT_EQ(placement.Bounds[1], row.colours);
        EXPECT_EQ(placement.Thickness, row.thickness);
        EXPECT_EQ(placement.Lines.back().Row, 1) << "a wrapped line still belongs to its row";
    }
}

TEST(DockLayout, AloneBarsTakeALineOfTheirOwnAndVerticalDocksSwapAxes) {
    const std::vector<TDockedBar> bars = {Docked(1, 0, 0, 60, 30), Docked(2, 0, 70, 40, 26, true),
                                          Docked(3, 0, 200, 50, 24)};
    const TDockPlacement placement = PlaceDock(bars, 400, true);
    EXPECT_EQ(placement.Bounds[0], (TRect{0, 0, 30, 60}));
    EXPECT_EQ(placement.Bounds[1], (TRect{30, 70, 56, 110}));
    EXPECT_EQ(placement.Bounds[2], (TRect{56, 200, 80, 250}));
    EXPECT_EQ(placement.Thickness, 80);
    ASSERT_EQ(placement.Lines.size(), 3u);
    EXPECT_TRUE(placement.Lines[1].Alone);
}

TEST(RowLayout, MetricsScaleWithRounding) {
    const TBarMetrics scaled = TBarMetrics{}.Scaled(16, 13);
    EXPECT_EQ(scaled.ButtonWidth, 28);
    EXPECT_EQ(scaled.ButtonHeight, 27);
    EXPECT_EQ(scaled.MenuBarHeight, 28);
    EXPECT_EQ(scaled.DropMargin, 15);
    EXPECT_EQ(TBarMetrics{}.Scaled(13, 13).SeparatorWidth, 6);
}

}  // namespace
