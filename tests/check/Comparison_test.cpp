#include "check/Comparison.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "check/ReportBuilder.h"
#include "support/MemoryFileSystem.h"

namespace {

using TPairs = std::vector<std::pair<std::string, std::string>>;

const std::string kFolder = "C:\\Tools\\";

// One product as "name|family|version|snapshot version|status|change", "-" for nothing.
std::string Render(const TComparedProduct& product) {
    static const char* const kStatuses[] = {"same", "changed", "new", "removed"};
    static const char* const kChanges[] = {"-", "upgrade", "downgrade", "not comparable"};
    return product.Name + "|" + product.Family + "|" + product.Version.value_or("-") + "|" +
           product.SnapshotVersion.value_or("-") + "|" +
           (product.Status ? kStatuses[static_cast<int>(*product.Status)] : "-") + "|" +
           kChanges[static_cast<int>(product.Change)];
}

std::string Between(const std::string& text, std::string_view start, std::string_view end) {
    return text.substr(start.size(), text.size() - start.size() - end.size());
}

// The report's comparison column, the third line of every product's four: each cell's text, with "!"
// before a red one.
std::vector<std::string> ComparisonCells(const TTextList& lines) {
    std::vector<std::string> cells;
    for (std::size_t i = 7; i < lines.size(); i += 4) {
        const std::string& cell = lines[i];
        cells.push_back(cell.starts_with(kDifferenceCellStart)
                            ? "!" + Between(cell, kDifferenceCellStart, "</font></b></td>")
                            : Between(cell, "<td>", "</td>"));
    }
    return cells;
}

// The check against the section [base] of base.plx, as the export makes it and as the window's report
// shows it: the statuses, the report's comparison column and the exit code's question must agree.
TEST(Comparison, OneVerdictForTheReportColumnTheStatusesAndTheExitCode) {
    const struct {
        const char* name;
        TPairs installed;
        std::optional<std::string> section;  // the lines of [base]; nothing: no snapshot chosen
        std::vector<std::string> expected;
        std::vector<std::string> cells;
        bool differs;
    } rows[] = {
        {"same, also with blanks around a version",
         {{"Grid 4 (Delphi 7)", "4.2"}, {"Bars 5 (Delphi 7)", "5.1 "}},
         "Grid 4 (Delphi 7)=4.2\r\nBars 5 (Delphi 7)=5.1\r\n",
         {"Grid 4 (Delphi 7)|Grid 4|4.2|4.2|same|-", "Bars 5 (Delphi 7)|Bars 5|5.1 |5.1|same|-"},
         {"4.2", "5.1"},
         false},
        {"changed up, down and beyond order",
         {{"Up", "4.10"}, {"Down", "4.2"}, {"Unreadable", ":[?]"}, {"Case", "5.1a"}},
         "Up=4.9\r\nDown=4.10\r\nUnreadable=4.2\r\nCase=5.1A\r\n",
         {"Up|Up|4.10|4.9|changed|upgrade", "Down|Down|4.2|4.10|changed|downgrade",
          "Unreadable|Unreadable|:[?]|4.2|changed|not comparable", "Case|Case|5.1a|5.1A|changed|not comparable"},
         {"!4.9", "!4.10", "!4.2", "!5.1A"},
         true},
        {"new and removed, removed in the snapshot's order after the installed ones",
         {{"Kept (Delphi 7)", "1"}, {"Added (Delphi 7)", "2"}},
         "Gone B (Delphi 6)=3\r\nKept (Delphi 7)=1\r\nGone A =\r\n",
         {"Kept (Delphi 7)|Kept|1|1|same|-", "Added (Delphi 7)|Added|2|-|new|-",
          "Gone B (Delphi 6)|Gone B|-|3|removed|-", "Gone A|Gone A|-||removed|-"},
         {"1", "!&nbsp;"},
         true},
        {"registry names with blanks at an end or in another case find their keys",
         {{"Grid 4 (Delphi 7) ", "4.2"}, {" bars 5 (DELPHI 7)", "5.1"}},
         "GRID 4 (Delphi 7)=4.2\r\nBars 5 (Delphi 7)=5.1\r\n",
         {"Grid 4 (Delphi 7) |Grid 4|4.2|4.2|same|-", " bars 5 (DELPHI 7)|bars 5|5.1|5.1|same|-"},
         {"4.2", "5.1"},
         false},
        {"two registry names that find one key both compare with it",
         {{"A (Delphi 7)", "1"}, {"A (Delphi 7) ", "2"}},
         "a (delphi 7)=1\r\n",
         {"A (Delphi 7)|A|1|1|same|-", "A (Delphi 7) |A|2|1|changed|upgrade"},
         {"1", "!1"},
         true},
        {"the timestamp key is no product, whatever its spelling",
         {{"\\DateTime\\ ", "01-05-2024 09:00:00"}},
         "\\datetime\\=01-05-2024 09:00:00\r\n",
         {"\\DateTime\\ |\\DateTime\\|01-05-2024 09:00:00|-|new|-"},
         {"!&nbsp;"},
         true},
        {"a key line without '=' holds no version; of duplicate keys the first counts",
         {{"D (Delphi 7)", ""}, {"E", "1"}},
         "D (Delphi 7)\r\nE=1\r\ne=2\r\n",
         {"D (Delphi 7)|D||-|new|-", "E|E|1|1|same|-"},
         {"!&nbsp;", "1"},
         true},
        {"a version that reads like the missing-entry marker is still new",
         {{"M", "&nbsp;"}},
         "",
         {"M|M|&nbsp;|-|new|-"},
         {"!&nbsp;"},
         true},
        {"unreadable on both sides is the same; saved values are read as the profile functions read them",
         {{"Locked", ":[?]"}, {"Quoted", "1.0"}},
         "Locked=:[?]\r\nQuoted=\"1.0\"\r\n",
         {"Locked|Locked|:[?]|:[?]|same|-", "Quoted|Quoted|1.0|1.0|same|-"},
         {":[?]", "1.0"},
         false},
        {"empty section: everything is new", {{"A", "1"}}, "", {"A|A|1|-|new|-"}, {"!&nbsp;"}, true},
        {"no snapshot: no statuses", {{"A", "1"}}, std::nullopt, {"A|A|1|-|-|-"}, {}, false},
        {"nothing installed, nothing saved", {}, "", {}, {}, false},
        {"nothing installed, one saved", {}, "A=1\r\n", {"A|A|-|1|removed|-"}, {}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TProductList products;
        for (const auto& [name, version] : row.installed) {
            products.ProductNames.push_back(name);
            products.ProductVersions.push_back(version);
        }
        TMemoryFileSystem files;
        if (row.section)
            files.files[kFolder + "base.plx"] = "[base]\r\n" + *row.section;
        TReportInputs inputs;
        inputs.Products = &products;
        inputs.CompareChoice = row.section ? "base.plx" : "<nothing>";
        inputs.ProgramFolder = kFolder;

        std::optional<TSnapshotSection> snapshot;
        if (const auto chosen = ChosenSnapshot(inputs.CompareChoice, kFolder, files))
            snapshot = ReadSnapshotSection(*chosen, files);
        TCheckFacts facts;
        facts.Computer = "PC1";
        const TComparison comparison = CompareProducts(products, snapshot ? &*snapshot : nullptr, facts);

        std::vector<std::string> rendered;
        for (const TComparedProduct& product : comparison.Products)
            rendered.push_back(Render(product));
        EXPECT_EQ(rendered, row.expected);
        EXPECT_EQ(HasDifferences(comparison), row.differs);
        EXPECT_EQ(comparison.Facts.Computer, "PC1");
        EXPECT_EQ(comparison.SnapshotName.has_value(), row.section.has_value());

        const TReport report = BuildReport(inputs, comparison);
        if (comparison.SnapshotName) {
            EXPECT_EQ(ComparisonCells(report.Lines), row.cells);
        }
        EXPECT_EQ(report.DifferenceCount,
                  std::ranges::count_if(row.cells, [](const std::string& cell) { return cell.starts_with("!"); }));
        EXPECT_EQ(BuildReport(inputs, files).Lines, report.Lines) << "the window's report makes the same comparison";
    }
}

}  // namespace
