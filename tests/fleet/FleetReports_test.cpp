#include <gtest/gtest.h>

#include "fleet/FleetData.h"
#include "fleet/FleetHtml.h"
#include "fleet/FleetSummary.h"
#include "fleet/FleetTestSources.h"
#include "support/Latin1ToUtf8.h"
#include "toolkit/html/Document.h"

namespace {

using TLines = std::vector<std::string>;

// Three machines, one lacking a product and one with another version; names and versions that HTML
// must escape and CSV must keep from running as formulas, and a character above 127.
TFleetMatrix SmallTeam() {
    return BuildFleetMatrix(
        {FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.10"}, {"Bars <5> & Co (Delphi 7)", "5.1"}}),
         FleetSource("PC\xC9", 2, {{"Grid 4 (Delphi 7)", "4.10"}}),
         FleetSource("=PC3", 3, {{"Grid 4 (Delphi 7)", "-4.2"}, {"Bars <5> & Co (Delphi 7)", "5.1"}})},
        nullptr);
}

TEST(FleetSummary, ListsEachDifferingProductsVersionsWithTheMachinesThatStray) {
    EXPECT_EQ(FleetSummary(SmallTeam()),
              "Bars <5> & Co (Delphi 7)\r\n"
              "  5.1: 2\r\n"
              "  not installed: 1 (PC\xC9)\r\n"
              "Grid 4 (Delphi 7)\r\n"
              "  4.10: 2\r\n"
              "  -4.2: 1 (=PC3)\r\n"
              "Team: 3 columns of 3 machines, 2 products, 2 differ, 2 cells marked\r\n");

    // Agreeing columns list no product; a policy's marks list a product all columns hold alike.
    const std::vector<TFleetSource> agreeing = {FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.2"}}),
                                                FleetSource("PC2", 1, {{"Grid 4 (Delphi 7)", "4.2"}})};
    EXPECT_EQ(FleetSummary(BuildFleetMatrix(agreeing, nullptr)),
              "Team: 2 columns of 2 machines, 1 product, 0 differ, 0 cells marked\r\n");
    const TRequiredVersions policy = ReadRequiredVersions("[Required]\nGrid 4 (Delphi 7)=>=4.10\n", "team.ini");
    EXPECT_EQ(FleetSummary(BuildFleetMatrix(agreeing, &policy)),
              "Grid 4 (Delphi 7)\r\n"
              "  4.2: 2 (PC1 and PC2)\r\n"
              "Team: 2 columns of 2 machines, 1 product, 0 differ, 2 cells marked\r\n");
}

TEST(FleetSummary, NamesTenStraysAtMostAndOrdersVersionsByCount) {
    std::vector<TFleetSource> sources;
    const auto add = [&](int count, const std::string& version) {
        for (int i = 0; i < count; ++i) {
            const std::string machine = "PC" + std::to_string(sources.size() + 1);
            sources.push_back(version.empty() ? FleetSource(machine, 1, {{"Other", "1"}})
                                              : FleetSource(machine, 1, {{"Grid", version}, {"Other", "1"}}));
        }
    };
    add(1, "1.0");
    add(12, "2.0");
    add(2, "");
    add(20, "3.0");
    add(2, "1.0");
    const TFleetMatrix matrix = BuildFleetMatrix(sources, nullptr);
    const std::vector<TVersionGroup> groups = VersionGroups(matrix, 0);
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(GroupVersionText(matrix.Rows()[0], groups[0]), "3.0");
    EXPECT_EQ(GroupVersionText(matrix.Rows()[0], groups[1]), "2.0");
    EXPECT_EQ(GroupVersionText(matrix.Rows()[0], groups[2]), "1.0");
    EXPECT_EQ(GroupVersionText(matrix.Rows()[0], groups[3]), "not installed");
    EXPECT_EQ(StrayList(matrix, groups[1].MarkedColumns),
              "PC2, PC3, PC4, PC5, PC6, PC7, PC8, PC9, PC10, PC11 and 2 more");
    EXPECT_EQ(StrayList(matrix, groups[2].MarkedColumns), "PC1, PC36 and PC37");
    EXPECT_EQ(StrayList(matrix, groups[3].MarkedColumns), "PC14 and PC15");
    EXPECT_EQ(StrayList(matrix, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
              "PC1, PC2, PC3, PC4, PC5, PC6, PC7, PC8, PC9 and PC10");
    EXPECT_EQ(StrayList(matrix, {}), "");
}

TEST(FleetHtml, ShowsTheMatrixBandedByFamilyWithMarkedCellsInRed) {
    EXPECT_EQ(FleetHtml(SmallTeam(), "#c1", "#c2"),
              (TLines{"<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">", "<tr>",
                      "<TH>Product</TH><TH>PC1</TH><TH>PC\xC9</TH><TH>=PC3</TH>", "</tr>", "<tr>",
                      "<TH>&nbsp;</TH><TH>t1</TH><TH>t2</TH><TH>t3</TH>", "</tr>", "<tr bgcolor=\"#c1\">",
                      "<td>Bars &lt;5&gt; &amp; Co (Delphi 7)</td><td>5.1</td>"
                      "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">&nbsp;</font></b></td><td>5.1</td>",
                      "</tr>", "<tr bgcolor=\"#c2\">",
                      "<td>Grid 4 (Delphi 7)</td><td>4.10</td><td>4.10</td>"
                      "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">-4.2</font></b></td>",
                      "</tr>", "</table>"}));
}

TEST(FleetHtml, ShowsTheSummaryFormBeyondFortyColumns) {
    for (const std::size_t columns : {kFleetTableColumns, kFleetTableColumns + 1}) {
        SCOPED_TRACE(columns);
        std::vector<TFleetSource> sources;
        for (std::size_t i = 1; i <= columns; ++i) {
            sources.push_back(
                FleetSource("PC" + std::to_string(i), 1,
                            {{"Grid 4 (Delphi 7)", i == 7 ? "4.2" : "4.10"}, {"Grid 4 (Delphi 6)", "4.2"}}));
        }
        const TTextList lines = FleetHtml(BuildFleetMatrix(sources, nullptr), "#c1", "#c2");
        std::string source;
        for (const std::string& line : lines)
            source += line + "\r\n";
        const html::THtmlDocument document = html::ParseDocument(source);
        ASSERT_EQ(document.Blocks.size(), 1u);
        const auto& table = std::get<html::TTable>(document.Blocks[0]);
        if (columns == kFleetTableColumns) {
            EXPECT_EQ(table.Rows.size(), 4u);
            EXPECT_EQ(table.Rows[0].Cells.size(), columns + 1);
            continue;
        }
        // Both products in one band, the stray named in red.
        EXPECT_EQ(
            lines,
            (TLines{lines[0], "<tr>", "<TH>Product</TH><TH>Version</TH><TH>Columns</TH><TH>Machines that stray</TH>",
                    "</tr>", "<tr bgcolor=\"#c1\">", "<td>Grid 4 (Delphi 6)</td><td>4.2</td><td>41</td><td>&nbsp;</td>",
                    "</tr>", "<tr bgcolor=\"#c1\">",
                    "<td>Grid 4 (Delphi 7)</td><td>4.10</td><td>40</td><td>&nbsp;</td>", "</tr>",
                    "<tr bgcolor=\"#c1\">",
                    "<td>&nbsp;</td><td>4.2</td><td>1</td>"
                    "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">PC7</font></b></td>",
                    "</tr>", "</table>"}));
    }
}

TEST(FleetData, JsonHoldsTheMachinesAndEachProductsVersionsMostCommonAndMarks) {
    EXPECT_EQ(
        FleetJson(SmallTeam(), Latin1ToUtf8),
        "{\r\n"
        "  \"machines\": [\r\n"
        "    {\"name\": \"PC1\", \"time\": \"t1\", \"source\": \"C:\\\\reports\\\\PC1t1.json\"},\r\n"
        "    {\"name\": \"PC\xC3\x89\", \"time\": \"t2\", \"source\": \"C:\\\\reports\\\\PC\xC3\x89t2.json\"},\r\n"
        "    {\"name\": \"=PC3\", \"time\": \"t3\", \"source\": \"C:\\\\reports\\\\=PC3t3.json\"}\r\n"
        "  ],\r\n"
        "  \"products\": [\r\n"
        "    {\"name\": \"Bars <5> & Co (Delphi 7)\", \"family\": \"Bars <5> & Co\", \"versions\": [\"5.1\", null, "
        "\"5.1\"], \"mostCommon\": \"5.1\", \"marked\": [1]},\r\n"
        "    {\"name\": \"Grid 4 (Delphi 7)\", \"family\": \"Grid 4\", \"versions\": [\"4.10\", \"4.10\", "
        "\"-4.2\"], \"mostCommon\": \"4.10\", \"marked\": [2]}\r\n"
        "  ]\r\n"
        "}\r\n");
    EXPECT_EQ(FleetJson(BuildFleetMatrix({}, nullptr), Latin1ToUtf8),
              "{\r\n  \"machines\": [],\r\n  \"products\": []\r\n}\r\n");
}

TEST(FleetData, CsvHasARowPerProductAndColumnGuardedAgainstFormulas) {
    EXPECT_EQ(FleetCsv(SmallTeam(), Latin1ToUtf8),
              "\xEF\xBB\xBFMachine,Time,Source,Product,Family,Version,Most common,Marked\r\n"
              "PC1,t1,C:\\reports\\PC1t1.json,Bars <5> & Co (Delphi 7),Bars <5> & Co,5.1,5.1,no\r\n"
              "PC\xC3\x89,t2,C:\\reports\\PC\xC3\x89t2.json,Bars <5> & Co (Delphi 7),Bars <5> & Co,,5.1,yes\r\n"
              "'=PC3,t3,C:\\reports\\=PC3t3.json,Bars <5> & Co (Delphi 7),Bars <5> & Co,5.1,5.1,no\r\n"
              "PC1,t1,C:\\reports\\PC1t1.json,Grid 4 (Delphi 7),Grid 4,4.10,4.10,no\r\n"
              "PC\xC3\x89,t2,C:\\reports\\PC\xC3\x89t2.json,Grid 4 (Delphi 7),Grid 4,4.10,4.10,no\r\n"
              "'=PC3,t3,C:\\reports\\=PC3t3.json,Grid 4 (Delphi 7),Grid 4,'-4.2,4.10,yes\r\n");
}

}  // namespace
