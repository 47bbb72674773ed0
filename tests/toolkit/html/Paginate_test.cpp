#include "toolkit/html/Paginate.h"

#include <gtest/gtest.h>

#include "support/FixedTextMeasure.h"

namespace html {
namespace {

constexpr EBreakKind kTable = EBreakKind::Table;
constexpr EBreakKind kRow = EBreakKind::Row;
constexpr EBreakKind kLine = EBreakKind::Line;

// Pages of 300 starting at 0: the lower third begins at 200.
TEST(PageBottom, MovesUpOnlyByTheRulesForTablesRowsAndLines) {
    struct {
        const char* name;
        std::vector<TBreakItem> breaks;
        int bottom;
    } const cases[] = {
        {"nothing crosses", {{kTable, 10, 290}, {kRow, 10, 290}, {kLine, 20, 34}}, 300},
        {"table in the lower third", {{kTable, 250, 400}, {kRow, 250, 400}}, 250},
        {"table begins higher: its row in the lower third moves",
         {{kTable, 100, 400}, {kRow, 100, 210}, {kRow, 210, 330}},
         210},
        {"table as tall as a page stays; its row moves", {{kTable, 250, 550}, {kRow, 250, 320}, {kRow, 320, 550}}, 250},
        {"row begins higher: only its cut line moves", {{kRow, 150, 350}, {kLine, 150, 164}, {kLine, 290, 304}}, 290},
        {"row taller than a page stays; its cut line moves", {{kRow, 250, 560}, {kLine, 290, 304}}, 290},
        {"line at least a page tall is cut", {{kLine, 100, 400}}, 300},
        {"no line moves a page a row shortened", {{kRow, 250, 320}, {kLine, 240, 260}}, 250},
        {"a row moves the bottom further up after a line", {{kLine, 280, 310}, {kRow, 250, 320}}, 250},
        {"rows and tables after the bottom do nothing", {{kRow, 300, 320}, {kTable, 310, 400}}, 300},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PageBottom(row.breaks, 0, 300), row.bottom);
    }
}

TEST(PageBottom, MeasuresTheLowerThirdFromTheSliceTop) {
    const std::vector<TBreakItem> breaks = {{kRow, 1150, 1250}};
    EXPECT_EQ(PageBottom(breaks, 900, 300), 1150);
    EXPECT_EQ(PageBottom(breaks, 1000, 300), 1300);  // the row is in the upper part of this page
    // Something that began on an earlier page cannot move the bottom (that would never end).
    EXPECT_EQ(PageBottom({{kLine, 995, 1010}}, 1000, 300), 1300);
}

TEST(SlicePages, CutsTheDocumentIntoConsecutivePages) {
    EXPECT_EQ(SlicePages({}, 250, 300, 9999), (std::vector<TPageSlice>{{0, 300}}));
    EXPECT_EQ(SlicePages({}, 300, 300, 9999), (std::vector<TPageSlice>{{0, 300}}));
    EXPECT_EQ(SlicePages({}, 301, 300, 9999), (std::vector<TPageSlice>{{0, 300}, {300, 600}}));
    EXPECT_EQ(SlicePages({{kRow, 250, 320}}, 500, 300, 9999), (std::vector<TPageSlice>{{0, 250}, {250, 550}}));
    EXPECT_EQ(SlicePages({}, 1000, 300, 2), (std::vector<TPageSlice>{{0, 300}, {300, 600}}));
    EXPECT_TRUE(SlicePages({}, 1000, 0, 9999).empty());
}

TEST(SelectPages, KeepsThePagesFromFirstToLast) {
    const std::vector<TPageSlice> pages = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
    EXPECT_EQ(SelectPages(pages, 1, 9999), pages);
    EXPECT_EQ(SelectPages(pages, 2, 3), (std::vector<TPageSlice>{{1, 2}, {2, 3}}));
    EXPECT_EQ(SelectPages(pages, 0, 1), (std::vector<TPageSlice>{{0, 1}}));
    EXPECT_TRUE(SelectPages(pages, 5, 9999).empty());
    EXPECT_TRUE(SelectPages(pages, 3, 2).empty());
}

// A real report over many pages: no line of text is cut, every page ends at a row or line edge, and
// a row that begins in a page's lower third and does not fit goes whole to the next page.
TEST(SlicePages, NeverCutsALineOfTheReport) {
    std::string source = "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">";
    for (int i = 0; i < 300; ++i) {
        const std::string name = i % 7 == 0
                                     ? "A product name long enough to wrap over several lines " + std::to_string(i)
                                     : "Product " + std::to_string(i);
        source += "<tr bgcolor=\"#dcFED6\">\r\n<td>" + name + "</td><td>4.2</td>\r\n</tr>\r\n";
    }
    const TFixedTextMeasure measure;
    THtmlStyle style;
    style.MarginWidth = style.MarginHeight = 0;
    const TLayout layout = LayoutDocument(ParseDocument(source + "</table>"), measure, style, 200);
    const int pageHeight = 500;
    const auto pages = SlicePages(layout.Breaks, layout.Height, pageHeight, 9999);
    ASSERT_GT(pages.size(), 5u);
    EXPECT_EQ(pages.front().Top, 0);
    EXPECT_GE(pages.back().Bottom, layout.Height);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        if (p > 0) {
            EXPECT_EQ(pages[p].Top, pages[p - 1].Bottom);
        }
        EXPECT_GT(pages[p].Bottom - pages[p].Top, pageHeight / 2);
        for (const TBreakItem& item : layout.Breaks) {
            const bool crosses = item.Top < pages[p].Bottom && item.Bottom > pages[p].Bottom;
            if (item.Kind == kLine) {
                EXPECT_FALSE(crosses) << item.Top;
            }
            if (item.Kind == kRow && crosses) {
                EXPECT_LT(3 * (item.Top - pages[p].Top), 2 * pageHeight);
            }
        }
    }
}

}  // namespace
}  // namespace html
