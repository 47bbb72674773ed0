#include "check/ReportBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/StdFileSystem.h"
#include "support/TempDir.h"

namespace {

const char* const kTableTag = "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">";
// Tue 03-02-2004 09:05 with the default locale.
const char* const kFirstHeader = "<TH colspan=\"2\">PC1 Tue 03-02-2004 09:05</TH>";

class ReportBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        inputs.Products = &products;
        inputs.Color1Code = "#dcFED6";
        inputs.Color2Code = "#ffffc8";
        inputs.CompareChoice = "<nothing>";
        inputs.ProgramFolder = folder.Path();
        inputs.ComputerName = "PC1";
        inputs.Now = TDateTime{2004, 2, 3, 9, 5, 7, 2};
    }
    void Add(const std::string& name, const std::string& version) {
        products.ProductNames.push_back(name);
        products.ProductVersions.push_back(version);
    }
    TReport Build() { return BuildReport(inputs, files); }

    TTempDir folder;
    TStdFileSystem files;
    TProductList products;
    TReportInputs inputs;
};

TEST(HtmlBuilders, MakeTheTagsTheReportUses) {
    EXPECT_EQ(HtmlTD("4.2", ""), "<td>4.2</td>");
    EXPECT_EQ(HtmlTD("x", "bgcolor=\"#ff0000\""), "<td bgcolor=\"#ff0000\">x</td>");
    EXPECT_EQ(HtmlTH("PC1", "colspan=\"2\""), "<TH colspan=\"2\">PC1</TH>");
    EXPECT_EQ(HtmlTH("", ""), "<TH></TH>");
    EXPECT_EQ(HtmlTableStart("", true, "#000000"), kTableTag);
    EXPECT_EQ(HtmlTableStart("100%", false, "#000000"), "<table width=\"100%\">");
    EXPECT_EQ(HtmlTableEnd(), "</table>");
}

TEST_F(ReportBuilderTest, SnapshotComparisonGivesTheEighteenLinesOfTheWorkedExample) {
    Add("Grid 4 (Delphi 7)", "4.2");
    Add("Grid 4 (Delphi 6)", "4.2");
    Add("Bars 5 (Delphi 7)", "5.1");
    folder.WriteFile("old.plx",
                     "[old]\r\n\\datetime\\=01-02-2004 10:00:00\r\nGrid 4 (Delphi 7)=4.1\r\n"
                     "Grid 4 (Delphi 6)=4.2\r\n");
    inputs.CompareChoice = "old.plx";

    const TReport report = Build();

    const TTextList expected = {
        kTableTag,
        "<tr>",
        kFirstHeader,
        "<TH>old 01-02-2004 10:00:00</TH>",
        "</tr>",
        "<tr bgcolor=\"#dcFED6\">",
        "<td>Grid 4 (Delphi 7)</td><td>4.2</td>",
        "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">4.1</font></b></td>",
        "</tr>",
        "<tr bgcolor=\"#dcFED6\">",
        "<td>Grid 4 (Delphi 6)</td><td>4.2</td>",
        "<td>4.2</td>",
        "</tr>",
        "<tr bgcolor=\"#ffffc8\">",
        "<td>Bars 5 (Delphi 7)</td><td>5.1</td>",
        "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">&nbsp;</font></b></td>",
        "</tr>",
        "</table>",
    };
    EXPECT_EQ(report.Lines, expected);
    EXPECT_EQ(report.DifferenceCount, 2);

    inputs.CompareChoice = "<nothing>";
    TTextList withoutComparison = expected;
    for (const int line : {16, 12, 8, 4})
        withoutComparison.erase(withoutComparison.begin() + line - 1);
    EXPECT_EQ(Build().Lines, withoutComparison);
}

TEST_F(ReportBuilderTest, EmptyProductListGivesTheFiveHeaderLines) {
    EXPECT_EQ(Build().Lines, (TTextList{kTableTag, "<tr>", kFirstHeader, "</tr>", "</table>"}));
}

TEST_F(ReportBuilderTest, ChoicesThatNameNoFileGiveNoComparisonColumn) {
    Add("Grid 4 (Delphi 7)", "4.2");
    folder.WriteFile("x.plx", "[x]\r\n");
    std::filesystem::create_directory(folder.PathOf("dir.plx"));
    for (const char* choice : {"<nothing>", "", "   ", "dir.plx", "missing.plx"}) {
        SCOPED_TRACE(choice);
        inputs.CompareChoice = choice;
        EXPECT_EQ(Build().Lines.size(), 8u);
    }
    inputs.CompareChoice = "  x.plx \t";
    EXPECT_EQ(Build().Lines.size(), 10u) << "the choice is trimmed";
}

TEST_F(ReportBuilderTest, SnapshotWithoutTheSectionMarksEveryProductRed) {
    Add("Grid 4 (Delphi 7)", "4.2");
    folder.WriteFile("old.plx", "[other]\r\nGrid 4 (Delphi 7)=4.2\r\n");
    inputs.CompareChoice = "old.plx";
    const TReport report = Build();
    EXPECT_EQ(report.Lines[3], "<TH>old </TH>");
    EXPECT_EQ(report.Lines[7], "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">&nbsp;</font></b></td>");
}

TEST_F(ReportBuilderTest, ComparisonTrimsBothSidesButRespectsCase) {
    struct TCase {
        const char* current;
        const char* saved;  // as the snapshot line holds it
        const char* cell;
    } cases[] = {
        {"5.1 ", "5.1", "<td>5.1</td>"},
        {"5.1a", "5.1A", "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">5.1A</font></b></td>"},
        {"", "", "<td></td>"},
        {":[?]", ":[?]", "<td>:[?]</td>"},
        {"1.0", "\"1.0\"", "<td>1.0</td>"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.current);
        products = {};
        Add("P (Delphi 7)", row.current);
        folder.WriteFile("s.plx", std::string("[S]\r\nP (Delphi 7)=") + row.saved + "\r\n");
        inputs.CompareChoice = "s.plx";
        EXPECT_EQ(Build().Lines[7], row.cell);
    }
}

// A hand-edited line without "=" holds no saved version: the product is missing, not empty.
TEST_F(ReportBuilderTest, ASnapshotLineWithoutEqualsSignIsAMissingProduct) {
    Add("D (Delphi 7)", "");
    folder.WriteFile("s.plx", "[s]\r\nD (Delphi 7)\r\n");
    inputs.CompareChoice = "s.plx";
    const TReport report = Build();
    EXPECT_EQ(report.Lines[7], "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">&nbsp;</font></b></td>");
    EXPECT_EQ(report.DifferenceCount, 1);
}

// The profile functions trim the section and key they are asked for: a file "x .plx" holds "[x]", and a
// product name with a blank at its end finds the key written without it.
TEST_F(ReportBuilderTest, SectionAndProductNamesAreLookedUpTrimmed) {
    Add("P (Delphi 7) ", "1.0");
    folder.WriteFile("x .plx", "[x]\r\n\\datetime\\=then\r\nP (Delphi 7)=1.0\r\n");
    inputs.CompareChoice = "x .plx";
    const TReport report = Build();
    EXPECT_EQ(report.Lines[3], "<TH>x  then</TH>");
    EXPECT_EQ(report.Lines[7], "<td>1.0</td>");
    EXPECT_EQ(report.DifferenceCount, 0);
}

TEST_F(ReportBuilderTest, BandsFollowFamiliesAndCodesAreWrittenAsTheyStand) {
    inputs.Color1Code = "";
    inputs.Color2Code = "not a colour";
    for (const char* name : {"Tools", "Tools", "grid (delphi 7)", "grid (DELPHI 6)", "Grid (Delphi 6)", "Tools"}) {
        Add(name, "1");
    }
    const TTextList lines = Build().Lines;
    const char* bands[] = {"", "", "not a colour", "not a colour", "", "not a colour"};
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[4 + 3 * i], std::string("<tr bgcolor=\"") + bands[i] + "\">");
    }
}

TEST_F(ReportBuilderTest, NamesAndVersionsAreInsertedWithoutEscaping) {
    Add("A&B <x> (Delphi 7)", "1 < 2 & 3");
    EXPECT_EQ(Build().Lines[5], "<td>A&B <x> (Delphi 7)</td><td>1 < 2 & 3</td>");
}

TEST_F(ReportBuilderTest, HeaderUsesTheLocaleDayNameAndTimeSeparator) {
    inputs.ComputerName = "";
    inputs.Locale.ShortDayNames[2] = "di";
    inputs.Locale.TimeSeparator = ".";
    EXPECT_EQ(Build().Lines[2], "<TH colspan=\"2\"> di 03-02-2004 09.05</TH>");
}

TEST_F(ReportBuilderTest, SectionIsTheChoiceCutBeforeItsLastPeriod) {
    Add("P (Delphi 7)", "1");
    folder.WriteFile("a.b.plx", "[a.b]\r\n\\DateTime\\=then\r\np (DELPHI 7)=1\r\n");
    inputs.CompareChoice = "a.b.plx";
    const TTextList lines = Build().Lines;
    EXPECT_EQ(lines[3], "<TH>a.b then</TH>");
    EXPECT_EQ(lines[7], "<td>1</td>") << "section and key match without regard to case";
}

}  // namespace
