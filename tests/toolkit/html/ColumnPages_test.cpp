#include "toolkit/html/ColumnPages.h"

#include <gtest/gtest.h>

#include <map>

#include "support/FixedTextMeasure.h"

namespace html {
namespace {

// A table of four columns: [1, 30), [31, 50), [51, 70), [71, 99), the table 100 wide.
TLayout FourColumns() {
    TLayout layout;
    layout.Width = 100;
    layout.Height = 500;
    layout.Tables.push_back({0, 100, {1, 31, 51, 71}, {30, 50, 70, 99}});
    return layout;
}

TEST(ColumnGroups, RepeatTheFirstColumnBesideAsManyColumnsAsTheNextPageHolds) {
    const TStrip head{0, 31, 0};
    struct {
        const char* name;
        int pageWidth;
        std::vector<std::vector<TStrip>> groups;
    } const cases[] = {
        {"as wide as the page", 100, {{{0, 100, 0}}}},
        {"two columns, then the last with the table's right edge", 80, {{head, {31, 71, 31}}, {head, {71, 100, 31}}}},
        {"a column each", 60, {{head, {31, 51, 31}}, {head, {51, 71, 31}}, {head, {71, 100, 31}}}},
        {"a column wider than the room beside the head still goes alone",
         40,
         {{head, {31, 51, 31}}, {head, {51, 71, 31}}, {head, {71, 100, 31}}}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ColumnGroups(FourColumns(), row.pageWidth), row.groups);
    }

    EXPECT_EQ(FirstColumnStrip(FourColumns()), head);

    TLayout oneColumn;
    oneColumn.Width = 300;
    oneColumn.Tables.push_back({0, 300, {1}, {299}});
    EXPECT_EQ(ColumnGroups(oneColumn, 100), (std::vector<std::vector<TStrip>>{{{0, 300, 0}}}));
    EXPECT_EQ(FirstColumnStrip(oneColumn), std::nullopt);
    EXPECT_EQ(FirstColumnStrip(TLayout{}), std::nullopt);

    // The widest table decides, wherever it stands.
    TLayout twoTables = FourColumns();
    twoTables.Width = 200;
    twoTables.Tables.insert(twoTables.Tables.begin(), TTableColumns{0, 50, {1, 26}, {25, 49}});
    twoTables.Tables.back() = {0, 200, {1, 101}, {100, 199}};
    EXPECT_EQ(ColumnGroups(twoTables, 150), (std::vector<std::vector<TStrip>>{{{0, 101, 0}, {101, 200, 101}}}));
}

TEST(PaginateColumns, NumbersThePagesOfEachGroupTopToBottomOnPagesShortenedForTheNumber) {
    TLayout layout = FourColumns();
    // A row that begins in the lower third moves the first page's bottom up, by the usual rules.
    layout.Breaks = {{EBreakKind::Row, 200, 290}};
    const auto slices = SlicePages(layout.Breaks, layout.Height, 272, 9999);
    ASSERT_EQ(slices, (std::vector<TPageSlice>{{0, 200}, {200, 472}, {472, 744}}));

    const auto groups = ColumnGroups(layout, 80);
    const std::vector<TPrintedPage> pages = PaginateColumns(layout, 80, 300, 28, 9999);
    ASSERT_EQ(pages.size(), 6u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pages[i].Number, static_cast<int>(i) + 1);
        EXPECT_EQ(pages[i].Slice, slices[i % 3]);
        EXPECT_EQ(pages[i].Strips, groups[i / 3]);
    }
    EXPECT_EQ(PaginateColumns(layout, 80, 300, 28, 4).size(), 4u);
    EXPECT_TRUE(PaginateColumns(layout, 80, 28, 28, 9999).empty());
    // A document that fits the page width is sliced as before, the whole width on every page.
    const auto narrow = PaginateColumns(layout, 100, 300, 28, 9999);
    ASSERT_EQ(narrow.size(), 3u);
    EXPECT_EQ(narrow[2], (TPrintedPage{{472, 744}, {{0, 100, 0}}, 3}));
}

TEST(PageNumberDraw, CentresThePageNumberOnThePagesLastLine) {
    const TFixedTextMeasure measure;  // 6 per character, lines of 14 with ascent 11
    const THtmlStyle style;
    EXPECT_EQ(PageNumberHeight(measure, style), 28);
    const TDrawList list = PageNumberDraw(3, measure, style, 200, 300);
    ASSERT_EQ(list.Ops().size(), 1u);
    const TDrawOp& op = list.Ops()[0];
    EXPECT_EQ(op.Kind, EDrawKind::Text);
    EXPECT_EQ(op.Text, "Page 3");
    EXPECT_EQ(op.Rect, (TRect{82, 286, 118, 300}));
    EXPECT_EQ(op.Baseline, 297);
    EXPECT_EQ(list.Fonts()[static_cast<std::size_t>(op.Font)].Name, style.FontName);
}

// A team table of a product column and 30 machines, laid out at a page far narrower than it: every
// page shows the product names of its rows in the first strip, and each version cell's text lies
// whole in exactly one group.
TEST(PaginateColumns, PrintsAWideReportInColumnGroupsThatRepeatTheProductColumn) {
    std::string source =
        "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\"><tr><TH>Product</TH>";
    for (int c = 0; c < 30; ++c)
        source += "<TH>PC" + std::to_string(c + 10) + "</TH>";
    source += "</tr>";
    for (int r = 0; r < 60; ++r) {
        source += "<tr><td>Grid " + std::to_string(r) + " (Delphi 7)</td>";
        for (int c = 0; c < 30; ++c)
            source += "<td>" + std::to_string(r) + "." + std::to_string(c) + "</td>";
        source += "</tr>";
    }
    const TFixedTextMeasure measure;
    THtmlStyle style;
    style.MarginWidth = style.MarginHeight = 0;
    const int pageWidth = 400;
    const TLayout layout = LayoutDocument(ParseDocument(source + "</table>"), measure, style, pageWidth);
    ASSERT_GT(layout.Width, 2 * pageWidth);
    // The table tells where its columns stand: the product column's cells end where its frames do.
    ASSERT_EQ(layout.Tables.size(), 1u);
    const TTableColumns& table = layout.Tables[0];
    ASSERT_EQ(table.ColumnLefts.size(), 31u);
    for (const TDrawOp& op : layout.Draw.Ops()) {
        if (op.Kind == EDrawKind::Frame && op.Rect.Left == table.ColumnLefts[0]) {
            EXPECT_EQ(op.Rect.Right, table.ColumnRights[0]);
        }
    }

    const auto pages = PaginateColumns(layout, pageWidth, 500, PageNumberHeight(measure, style), 9999);
    const auto groups = ColumnGroups(layout, pageWidth);
    ASSERT_GT(groups.size(), 2u);
    ASSERT_EQ(pages.size() % groups.size(), 0u);
    std::map<std::string, int> groupsShowing;
    for (const TPrintedPage& page : pages) {
        SCOPED_TRACE(page.Number);
        ASSERT_EQ(page.Strips.size(), 2u);
        EXPECT_LE(page.Strips[1].PageLeft + page.Strips[1].Right - page.Strips[1].Left, pageWidth);
        int productNames = 0;
        for (const TDrawOp& op : layout.Draw.Ops()) {
            if (op.Kind != EDrawKind::Text || op.Rect.Top < page.Slice.Top || op.Rect.Bottom > page.Slice.Bottom)
                continue;
            const bool inHead = op.Rect.Right <= page.Strips[0].Right;
            const bool inGroup = op.Rect.Left >= page.Strips[1].Left && op.Rect.Right <= page.Strips[1].Right;
            productNames += op.Text.rfind("Grid", 0) == 0 && inHead ? 1 : 0;
            if (inGroup && page.Slice.Top == 0)
                ++groupsShowing[op.Text];
            EXPECT_TRUE(inHead || inGroup || op.Rect.Right <= page.Strips[1].Left ||
                        op.Rect.Left >= page.Strips[1].Right)
                << op.Text << " is cut";
        }
        EXPECT_GT(productNames, 0);
    }
    for (int c = 0; c < 30; ++c)
        EXPECT_EQ(groupsShowing["PC" + std::to_string(c + 10)], 1) << c;
}

}  // namespace
}  // namespace html
