#include "toolkit/html/Document.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace html {
namespace {

std::string CellText(const TCell& cell) {
    std::string text;
    for (const TRun& run : cell.Runs)
        text += run.Text;
    return text;
}

const TTable& OnlyTable(const THtmlDocument& document) {
    EXPECT_EQ(document.Blocks.size(), 1u);
    return std::get<TTable>(document.Blocks.at(0));
}

TEST(Colour, ParsesColourCodesOfEitherCase) {
    EXPECT_EQ(ParseColour("#dcFED6"), 0xD6FEDCu);
    EXPECT_EQ(ParseColour("#dcfed6"), ParseColour("#DCFED6"));
    EXPECT_EQ(ParseColour("#ff0000"), 0x0000FFu);
    EXPECT_EQ(ParseColour("ffffff"), 0xFFFFFFu);
    for (const char* invalid : {"", "#", "#12345", "#1234567", "#gg0000", "red"}) {
        SCOPED_TRACE(invalid);
        EXPECT_EQ(ParseColour(invalid), std::nullopt);
    }
}

TEST(Document, ReadsTheReportExample) {
    const THtmlDocument document = ParseDocument(ReadFixture("html/render-sample-report.html"));
    EXPECT_EQ(document.Title, "");
    const TTable& table = OnlyTable(document);
    EXPECT_EQ(table.Border, 1);
    EXPECT_EQ(table.CellSpacing, 0);
    EXPECT_EQ(table.CellPadding, 3);
    EXPECT_EQ(table.BorderColour, kBlack);
    ASSERT_EQ(table.Rows.size(), 4u);

    const TRow& header = table.Rows[0];
    ASSERT_EQ(header.Cells.size(), 2u);
    EXPECT_TRUE(header.Cells[0].Header);
    EXPECT_EQ(header.Cells[0].ColSpan, 2);
    EXPECT_EQ(CellText(header.Cells[0]), "PC1 Tue 03-02-2004 09:05");
    EXPECT_EQ(header.Background, std::nullopt);

    const TRow& first = table.Rows[1];
    EXPECT_EQ(first.Background, 0xD6FEDCu);
    ASSERT_EQ(first.Cells.size(), 3u);
    EXPECT_EQ(CellText(first.Cells[0]), "Grid 4 (Delphi 7)");
    EXPECT_FALSE(first.Cells[0].Header);
    const TCell& difference = first.Cells[2];
    EXPECT_EQ(difference.Background, 0x0000FFu);
    ASSERT_EQ(difference.Runs.size(), 1u);
    EXPECT_TRUE(difference.Runs[0].Bold);
    EXPECT_EQ(difference.Runs[0].Colour, kWhite);
    EXPECT_EQ(difference.Runs[0].Text, "4.1");

    EXPECT_EQ(CellText(table.Rows[3].Cells[2]), "\xA0");
    EXPECT_EQ(table.Rows[3].Background, 0xC8FFFFu);
}

TEST(Document, CollapsesWhiteSpaceAndTrimsCells) {
    const THtmlDocument document = ParseDocument(
        "<table><tr><td>\r\n  Grid \t 4\r\n(Delphi 7) </td><td>a<b> b </b> c</td><td> &nbsp; </td></tr></table>");
    const auto& cells = OnlyTable(document).Rows.at(0).Cells;
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(CellText(cells[0]), "Grid 4 (Delphi 7)");
    ASSERT_EQ(cells[1].Runs.size(), 3u);
    EXPECT_EQ(cells[1].Runs[1].Text, " b");
    EXPECT_EQ(cells[1].Runs[2].Text, " c");
    EXPECT_EQ(CellText(cells[2]), "\xA0");
}

// Whatever a product name holds, the table keeps its shape and the name stays readable.
TEST(Document, ToleratesMarkupInsertedByProductNames) {
    struct {
        const char* name;
        const char* cell;
        const char* text;
        std::size_t cells;
    } const cases[] = {
        {"ampersand and less-than", "R&D <beta> a < b", "R&D a < b", 2},
        {"unclosed bold stays in its cell", "Grid <b>4", "Grid 4", 2},
        {"unclosed font", "<font color=#ff0000>x", "x", 2},
        {"stray end tags", "</b></font></i>x", "x", 2},
        {"unclosed pre stays in its cell", "<pre>a  b", "a  b", 2},
        {"nested table dropped", "a<table><tr><td>b</td></tr></table>c", "abc", 2},
        {"attribute values out of range", "<td colspan=99999999>x<td colspan=5>y", "", 4},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const std::string source =
            std::string("<table><tr><td>") + row.cell + "</td><td>4.2</td></tr>" + "<tr><td>next</td></tr></table>";
        const THtmlDocument document = ParseDocument(source);
        const TTable& table = OnlyTable(document);
        ASSERT_EQ(table.Rows.size(), 2u);
        const auto& cells = table.Rows[0].Cells;
        ASSERT_EQ(cells.size(), row.cells);
        EXPECT_EQ(CellText(cells[0]), row.text);
        EXPECT_EQ(CellText(cells.back()), "4.2");
        int columns = 0;
        for (const TCell& cell : cells)
            columns += cell.ColSpan;
        EXPECT_LE(columns, 1002);  // spans stop at 1000 columns; each plain cell after them adds one
        EXPECT_FALSE(table.Rows[1].Cells.at(0).Runs.at(0).Bold);
        EXPECT_FALSE(table.Rows[1].Cells.at(0).Runs.at(0).Preformatted);
    }
}

TEST(Document, KeepsTextOutsideTablesAndTheTitle) {
    const THtmlDocument document =
        ParseDocument(" <title> Job\r\n 7 </title>before<table>loose<tr><td>x</table>after ");
    EXPECT_EQ(document.Title, "Job 7");
    ASSERT_EQ(document.Blocks.size(), 3u);
    EXPECT_EQ(std::get<TParagraph>(document.Blocks[0]).Runs.at(0).Text, "before");
    const TTable& table = std::get<TTable>(document.Blocks[1]);
    ASSERT_EQ(table.Rows.size(), 2u);
    EXPECT_EQ(CellText(table.Rows[0].Cells.at(0)), "loose");
    EXPECT_EQ(std::get<TParagraph>(document.Blocks[2]).Runs.at(0).Text, "after");
}

}  // namespace
}  // namespace html
