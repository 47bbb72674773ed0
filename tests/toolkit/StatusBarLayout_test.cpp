#include "toolkit/StatusBarLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<TPanelWidth> Widths(std::initializer_list<const char*> texts) {
    std::vector<TPanelWidth> widths;
    for (const char* text : texts)
        widths.push_back(ParsePanelWidth(text).value());
    return widths;
}

TEST(StatusBarLayout, WidthTextIsWholePixelsOrAPercentage) {
    struct TCase {
        const char* text;
        bool valid;
        int value;
        bool percent;
    } cases[] = {
        {"50", true, 50, false},  {"50%", true, 50, true}, {"0", true, 0, false},
        {"0%", true, 0, true},    {"", false, 0, false},   {"%", false, 0, false},
        {"-5", false, 0, false},  {"+5", false, 0, false}, {" 5", false, 0, false},
        {"5 ", false, 0, false},  {"5x", false, 0, false}, {"5%%", false, 0, false},
        {"5.5", false, 0, false}, {"%5", false, 0, false}, {"99999999999", false, 0, false},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.text);
        const auto width = ParsePanelWidth(row.text);
        ASSERT_EQ(width.has_value(), row.valid);
        if (width) {
            EXPECT_EQ(width->Value, row.value);
            EXPECT_EQ(width->Percent, row.percent);
        }
    }
}

TEST(StatusBarLayout, WidthsAndEdgesTheNativeControlReceives) {
    const auto window = Widths({"50%", "50", "50", "50", "50"});
    std::vector<TPanelWidth> many(130, TPanelWidth{1, false});
    struct TCase {
        const char* name;
        std::vector<TPanelWidth> widths;
        int barWidth;
        std::vector<int> computed;
        std::vector<int> edges;
    } cases[] = {
        {"design width", window, 688, {244, 50, 50, 50, 50}, {244, 294, 344, 394, kPartToEnd}},
        {"grown by 100", window, 788, {294, 50, 50, 50, 50}, {294, 344, 394, 444, kPartToEnd}},
        {"pixel panels clamped, nothing left for the share",
         window,
         170,
         {0, 50, 50, 50, 20},
         {0, 50, 100, 150, kPartToEnd}},
        {"narrower than the first pixel panel", Widths({"50", "50%", "50"}), 30, {30, 0, 0}, {30, 30, kPartToEnd}},
        {"no width at all", window, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, kPartToEnd}},
        {"percentages share one remainder", Widths({"25%", "10", "25%"}), 210, {50, 10, 50}, {50, 60, kPartToEnd}},
        {"shares above the whole stay within the bar",
         Widths({"80%", "80%", "10"}),
         110,
         {80, 80, 10},
         {80, 110, kPartToEnd}},
        {"no panels: one part over the bar", {}, 688, {}, {kPartToEnd}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        const std::vector<int> computed = ComputePanelWidths(row.widths, row.barWidth);
        EXPECT_EQ(computed, row.computed);
        EXPECT_EQ(PartEdges(computed, row.barWidth), row.edges);
    }

    // Growing the window by 100 pixels widens Panel0 and the last panel, which ends at the bar's end, by 50 each.
    const auto before = PartEdges(ComputePanelWidths(window, 688), 688);
    const auto after = PartEdges(ComputePanelWidths(window, 788), 788);
    EXPECT_EQ(after[0] - before[0], 50);
    EXPECT_EQ((788 - after[3]) - (688 - before[3]), 50);

    // Past 128 panels only the first 128 become parts, and the last of those reaches to the end.
    const auto edges = PartEdges(ComputePanelWidths(many, 1000), 1000);
    ASSERT_EQ(edges.size(), 128u);
    EXPECT_EQ(edges[126], 127);
    EXPECT_EQ(edges[127], kPartToEnd);
}

TEST(StatusBarLayout, PartUnderAPoint) {
    const std::vector<int> edges{244, 294, 344, 394, kPartToEnd};
    struct TCase {
        int x;
        int part;  // -1: none
    } cases[] = {{0, 0}, {243, 0}, {244, 1}, {393, 3}, {394, 4}, {687, 4}, {688, -1}, {-1, -1}};
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(PartAt(edges, 688, row.x).value_or(-1), row.part);
    }
    EXPECT_EQ(PartAt({0, 0, kPartToEnd}, 10, 0).value_or(-1), 2) << "empty parts are never hit";
}

TEST(StatusBarLayout, TextRectAndGripAllowance) {
    EXPECT_EQ(PanelTextRect(TRect{10, 2, 60, 18}, 0), (TRect{12, 2, 58, 18}));
    EXPECT_EQ(PanelTextRect(TRect{10, 2, 60, 18}, 5), (TRect{17, 2, 58, 18}));
    EXPECT_EQ(GripAllowance(16), 17);
    EXPECT_EQ(GripAllowance(22), 23);
    EXPECT_EQ(GripAllowance(40), 23);
}

}  // namespace
