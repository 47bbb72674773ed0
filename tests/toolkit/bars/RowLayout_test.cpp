#include "toolkit/bars/RowLayout.h"

#include <gtest/gtest.h>

#include "support/FixedTextMeasure.h"

namespace {

TBar BarAt(int row, int left, bool wholeRow = false) {
    TBar bar;
    bar.Row = row;
    bar.DockedLeft = left;
    bar.WholeRow = wholeRow;
    return bar;
}

TEST(RowLayout, RowsStackInNumberOrderAndBarsKeepTheirLeftWithoutOverlap) {
    const TBar menu = BarAt(0, 0, true);
    const TBar file = BarAt(1, 0);
    const TBar colours = BarAt(1, 403);
    const TBar pushed = BarAt(1, 420);  // would overlap "colours"
    const TBar lower = BarAt(5, 10);    // rows 2 to 4 are empty and take no room
    const TDockPlacement placement = PlaceDockRows(
        {{&lower, 50, 30}, {&colours, 100, 26}, {&menu, 40, 23}, {&file, 377, 26}, {&pushed, 60, 20}}, 688);

    EXPECT_EQ(placement.Bounds[2], (TRect{0, 0, 688, 23}));
    EXPECT_EQ(placement.Bounds[3], (TRect{0, 23, 377, 49}));
    EXPECT_EQ(placement.Bounds[1], (TRect{403, 23, 503, 49}));
    EXPECT_EQ(placement.Bounds[4], (TRect{503, 23, 563, 43}));
    EXPECT_EQ(placement.Bounds[0], (TRect{10, 49, 60, 79}));
    EXPECT_EQ(placement.Height, 79);
    EXPECT_EQ(PlaceDockRows({}, 688).Height, 0);
}

TEST(RowLayout, ToolbarItemsFollowTheGripWithSeparatorsForShownGroups) {
    TBarManager manager;
    TBarItem& button = manager.AddItem(TBarItem{});
    TBarItem comboItem;
    comboItem.Kind = TBarItemKind::Combo;
    comboItem.Caption = "Pick";
    comboItem.Combo.BoxWidth = 150;
    TBarItem& combo = manager.AddItem(comboItem);
    std::vector<TDesignLink> links;
    for (auto [item, group, visible] : {std::tuple{&button, false, true}, std::tuple{&combo, true, true},
                                        std::tuple{&button, true, false}, std::tuple{&button, false, true}}) {
        TDesignLink link{item, {}};
        link.Settings.BeginGroup = group;
        link.Settings.Visible = visible;
        links.push_back(link);
    }
    const TBar& bar = manager.AddBar(TBarProperties{}, links);
    const TBarMetrics metrics;
    const TBarPlacement placement = PlaceBarItems(bar, metrics, TFixedTextMeasure{}, TFontSpec{});

    ASSERT_EQ(placement.Items.size(), 3u);
    EXPECT_EQ(placement.Items[0].Bounds, (TRect{10, 2, 33, 24}));
    EXPECT_TRUE(placement.Items[1].SeparatorBefore);
    EXPECT_EQ(placement.Items[1].Separator, (TRect{33, 2, 39, 24}));
    EXPECT_EQ(placement.Items[1].Bounds, (TRect{39, 2, 39 + 24 + 4 + 150, 24}));
    EXPECT_EQ(placement.Items[1].ComboBox, (TRect{67, 2, 217, 24}));
    EXPECT_EQ(placement.Items[2].LinkIndex, 3u);
    EXPECT_TRUE(placement.Items[2].SeparatorBefore) << "the hidden link's group flag carries over";
    EXPECT_EQ(placement.Width, 223 + 23 + 2);
    EXPECT_EQ(placement.Height, 26);
    EXPECT_EQ(placement.ItemAt(40, 10), &placement.Items[1]);
    EXPECT_EQ(placement.ItemAt(35, 10), nullptr) << "a separator is no item";
}

TEST(RowLayout, MenuBarShowsCaptionsWithoutSeparatorsOrAccessMarks) {
    TBarManager manager;
    TBarItem menuItem;
    menuItem.Kind = TBarItemKind::SubItem;
    menuItem.Caption = "&File";
    TBarItem& menu = manager.AddItem(menuItem);
    TBarProperties menuBar;
    menuBar.IsMainMenu = true;
    TLinkSettings grouped;
    grouped.BeginGroup = true;
    const TBar& bar = manager.AddBar(menuBar, {{&menu, {}}, {&menu, grouped}});
    const TBarPlacement placement = PlaceBarItems(bar, TBarMetrics{}, TFixedTextMeasure{}, TFontSpec{});
    ASSERT_EQ(placement.Items.size(), 2u);
    EXPECT_EQ(placement.Items[0].Bounds, (TRect{10, 2, 10 + 4 * 6 + 14, 21}));
    EXPECT_FALSE(placement.Items[1].SeparatorBefore);
    EXPECT_EQ(placement.Height, 23);
}

TEST(RowLayout, MetricsScaleWithRounding) {
    const TBarMetrics scaled = TBarMetrics{}.Scaled(16, 13);
    EXPECT_EQ(scaled.ButtonWidth, 28);
    EXPECT_EQ(scaled.ButtonHeight, 27);
    EXPECT_EQ(scaled.MenuBarHeight, 28);
    EXPECT_EQ(TBarMetrics{}.Scaled(13, 13).SeparatorWidth, 6);
}

}  // namespace
