#include "toolkit/html/TableLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/FixedTextMeasure.h"
#include "support/TempDir.h"

namespace html {
namespace {

class TableLayoutTest : public ::testing::Test {
protected:
    TLayout Layout(std::string_view source, int width = 800) {
        return LayoutDocument(ParseDocument(source), measure, style, width);
    }
    static const TDrawOp& TextOp(const TLayout& layout, std::string_view text) {
        const auto& ops = layout.Draw.Ops();
        const auto found = std::find_if(
            ops.begin(), ops.end(), [&](const TDrawOp& op) { return op.Kind == EDrawKind::Text && op.Text == text; });
        EXPECT_NE(found, ops.end()) << text;
        return found != ops.end() ? *found : ops.front();
    }
    static std::vector<TDrawOp> OpsOf(const TLayout& layout, EDrawKind kind) {
        std::vector<TDrawOp> result;
        for (const TDrawOp& op : layout.Draw.Ops()) {
            if (op.Kind == kind)
                result.push_back(op);
        }
        return result;
    }
    static bool HasFill(const TLayout& layout, const TRect& rect, TColour colour) {
        const auto fills = OpsOf(layout, EDrawKind::Fill);
        return std::any_of(fills.begin(), fills.end(),
                           [&](const TDrawOp& op) { return op.Rect == rect && op.Colour == colour; });
    }

    TFixedTextMeasure measure;  // 6 per character, 7 bold, lines of 14 with ascent 11
    THtmlStyle style;           // margins 10 and 5
};

// Columns: "Grid 4 (Delphi 7)" is 102 wide, the versions 18; the bold headers 168 and 161. Each cell adds
// 2 x (1 border + 3 padding). The spanning header widens the first two columns by 20 each.
TEST_F(TableLayoutTest, GivesTheReportExampleItsGeometry) {
    const TLayout layout = Layout(ReadFixture("html/render-sample-report.html"));

    const std::vector<TRect> expectedCells = {
        {11, 6, 187, 28},  {187, 6, 356, 28},                       // header row
        {11, 28, 141, 50}, {141, 28, 187, 50}, {187, 28, 356, 50},  // one row of 14 + 8 per product
        {11, 50, 141, 72}, {141, 50, 187, 72}, {187, 50, 356, 72},
        {11, 72, 141, 94}, {141, 72, 187, 94}, {187, 72, 356, 94},
    };
    std::vector<TRect> cells;
    for (const TDrawOp& frame : OpsOf(layout, EDrawKind::Frame)) {
        EXPECT_EQ(frame.Colour, kBlack);
        cells.push_back(frame.Rect);
    }
    EXPECT_EQ(cells, expectedCells);
    EXPECT_EQ(layout.Width, 367);
    EXPECT_EQ(layout.Height, 100);

    // A one-pixel black border around the table: top, bottom, and the sides beside every row.
    EXPECT_TRUE(HasFill(layout, {10, 5, 357, 6}, kBlack));
    EXPECT_TRUE(HasFill(layout, {10, 94, 357, 95}, kBlack));
    EXPECT_TRUE(HasFill(layout, {10, 28, 11, 50}, kBlack));
    EXPECT_TRUE(HasFill(layout, {356, 72, 357, 94}, kBlack));

    // Header text bold and centred; data text left-aligned after border and padding, centred vertically.
    const TDrawOp& header = TextOp(layout, "PC1 Tue 03-02-2004 09:05");
    EXPECT_TRUE(layout.Draw.Fonts()[header.Font].Bold);
    EXPECT_EQ(header.Rect, (TRect{15, 10, 183, 24}));
    EXPECT_EQ(TextOp(layout, "old 01-02-2004 10:00:00").Rect.Left, 191);
    const TDrawOp& product = TextOp(layout, "Grid 4 (Delphi 6)");
    EXPECT_FALSE(layout.Draw.Fonts()[product.Font].Bold);
    EXPECT_EQ(layout.Draw.Fonts()[product.Font].Name, "Arial");
    EXPECT_EQ(product.Rect, (TRect{15, 54, 117, 68}));
    EXPECT_EQ(product.Baseline, 65);
    EXPECT_EQ(product.Colour, style.TextColour);

    // Rows filled in their band colour inside the cell borders; the difference cell's own red wins.
    EXPECT_TRUE(HasFill(layout, {12, 29, 140, 49}, 0xD6FEDCu));
    EXPECT_TRUE(HasFill(layout, {188, 29, 355, 49}, 0x0000FFu));
    EXPECT_FALSE(HasFill(layout, {188, 29, 355, 49}, 0xD6FEDCu));
    EXPECT_TRUE(HasFill(layout, {188, 51, 355, 71}, 0xD6FEDCu));
    EXPECT_TRUE(HasFill(layout, {12, 73, 140, 93}, 0xC8FFFFu));
    const TDrawOp& difference = TextOp(layout, "4.1");
    EXPECT_TRUE(layout.Draw.Fonts()[difference.Font].Bold);
    EXPECT_EQ(difference.Colour, kWhite);
    EXPECT_EQ(TextOp(layout, "\xA0").Colour, kWhite);

    // Pagination learns where the table, each row and each line of text lie.
    ASSERT_GE(layout.Breaks.size(), 3u);
    EXPECT_EQ(layout.Breaks[0], (TBreakItem{EBreakKind::Table, 5, 95}));
    EXPECT_EQ(layout.Breaks[1], (TBreakItem{EBreakKind::Row, 6, 28}));
    EXPECT_EQ(layout.Breaks[2], (TBreakItem{EBreakKind::Line, 10, 24}));
}

TEST_F(TableLayoutTest, SpreadsASpanningCellOverItsColumnsAndCountsTheSpacing) {
    const TLayout layout = Layout("<table cellspacing=4 cellpadding=0><tr><td colspan=2>" + std::string(40, 'x') +
                                  "</td></tr><tr><td>a</td><td>b</td></tr></table>");
    // 240 for the spanning text: a and b (6 each) grow to 118 + 118, with 4 between them.
    EXPECT_EQ(TextOp(layout, "a").Rect.Left, 14);
    EXPECT_EQ(TextOp(layout, "b").Rect.Left, 14 + 118 + 4);
    EXPECT_EQ(layout.Width, 10 + 4 + 240 + 4 + 10);
}

TEST_F(TableLayoutTest, WrapsCellsOnlyWhenTheViewIsNarrowerThanTheTable) {
    const std::string source =
        "<table border=1 cellspacing=0 cellpadding=3><tr><td>Grid 4 (Delphi 7)</td>"
        "<td>four point two</td></tr></table>";
    const TLayout wide = Layout(source);
    EXPECT_EQ(OpsOf(wide, EDrawKind::Text).size(), 2u);

    // 102 + 84 of text and 2 x 8 of cell edges do not fit in 150 - 20 of margins.
    const TLayout narrow = Layout(source, 150);
    const auto lines = OpsOf(narrow, EDrawKind::Text);
    ASSERT_GT(lines.size(), 2u);
    for (const TDrawOp& line : lines)
        EXPECT_LE(line.Rect.Right, 140 - 4) << line.Text;
    EXPECT_LE(narrow.Width, 150);
    EXPECT_GT(narrow.Height, wide.Height);

    // Narrower than the widest words: the table keeps them whole and overflows.
    const TLayout tiny = Layout(source, 30);
    EXPECT_EQ(TextOp(tiny, "(Delphi").Rect.Width(), 42);
    EXPECT_GT(tiny.Width, 30);
}

TEST_F(TableLayoutTest, FlowsTextOutsideTablesAndStacksBlocks) {
    const TLayout layout = Layout("one two three<table border=1><tr><td>x</td></tr></table>four", 70);
    EXPECT_EQ(TextOp(layout, "one two").Rect, (TRect{10, 5, 52, 19}));
    EXPECT_EQ(TextOp(layout, "three").Rect.Top, 19);
    // border 1, spacing 2 and padding 1 by default: 2 x 1 + 2 + (14 + 2 x 2) + 2.
    EXPECT_EQ(layout.Breaks[2], (TBreakItem{EBreakKind::Table, 33, 57}));
    EXPECT_EQ(TextOp(layout, "four").Rect.Top, 57);
    EXPECT_EQ(layout.Height, 57 + 14 + 5);
}

TEST_F(TableLayoutTest, KeepsTheLinesAndBlanksOfPreformattedTextInItsOwnFont) {
    const TLayout layout = Layout("intro <pre>\r\n  a  b\r\n\r\nlast line that is long\r\n</pre>after", 60);
    EXPECT_EQ(TextOp(layout, "intro").Rect.Top, 5);
    const TDrawOp& first = TextOp(layout, "  a  b");
    EXPECT_EQ(first.Rect, (TRect{10, 19, 10 + 36, 33}));
    EXPECT_EQ(layout.Draw.Fonts()[first.Font].Name, "Courier New");
    EXPECT_EQ(TextOp(layout, "last line that is long").Rect.Top, 19 + 2 * 14);  // after a blank line, unbroken
    const TDrawOp& after = TextOp(layout, "after");
    EXPECT_EQ(after.Rect.Top, 19 + 3 * 14);
    EXPECT_EQ(layout.Draw.Fonts()[after.Font].Name, "Arial");

    const TLayout cell =
        Layout("<table cellpadding=0 cellspacing=0><tr><td>x <pre>p <b>q</b></pre>y</td></tr></table>");
    EXPECT_EQ(TextOp(cell, "x").Rect.Top, 5);
    EXPECT_EQ(TextOp(cell, "p ").Rect.Top, 19);
    EXPECT_EQ(TextOp(cell, "q").Rect.Left, 10 + 12);
    EXPECT_EQ(TextOp(cell, "y").Rect.Top, 33);
}

TEST_F(TableLayoutTest, VisibleBandFindsEveryOpThatReachesIt) {
    std::string source = "<table border=1 cellspacing=0 cellpadding=3>";
    for (int i = 0; i < 1000; ++i)
        source += "<tr><td>row " + std::to_string(i) + "</td></tr>";
    const TLayout layout = Layout(source + "</table>");
    const auto& ops = layout.Draw.Ops();
    for (const auto& [top, bottom] : {std::pair{0, 100}, std::pair{5000, 5400}, std::pair{21990, 22100}}) {
        const auto [first, last] = layout.Draw.Visible(top, bottom);
        EXPECT_LT(last - first, ops.size() / 10);
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const bool reaches = ops[i].Rect.Top < bottom && ops[i].Rect.Bottom > top;
            if (reaches) {
                EXPECT_TRUE(i >= first && i < last) << ops[i].Text << " at " << ops[i].Rect.Top;
            }
        }
    }
    const TDrawOp& row500 = TextOp(layout, "row 500");
    EXPECT_EQ(layout.Draw.TextOrderAt(row500.Rect.Left + 1, row500.Rect.Top + 1), row500.TextOrder);
    EXPECT_EQ(layout.Draw.TextOrderAt(row500.Rect.Right + 300, row500.Rect.Top + 1), row500.TextOrder);
}

}  // namespace
}  // namespace html
