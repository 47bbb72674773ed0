#include "fleet/FleetMatrix.h"

#include <gtest/gtest.h>

#include "fleet/FleetTestSources.h"
#include "policy/RequiredVersions.h"

namespace {

using TLines = std::vector<std::string>;

struct TMatrixCase {
    const char* name;
    std::vector<TFleetSource> sources;
    TLines expected;
    std::optional<std::string> mostCommonOfFirstRow;
};

TEST(FleetMatrix, MarksWhatStraysFromTheMostCommonVersionOrFromTheMachinesPreviousColumn) {
    const TMatrixCase cases[] = {
        {"agreeing columns",
         {FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.10"}}),
          FleetSource("PC2", 2, {{"Grid 4 (Delphi 7)", "4.10"}})},
         {"PC1 | PC2", "Grid 4 (Delphi 7): 4.10 4.10"},
         "4.10"},
        {"a straying cell",
         {FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.10"}}), FleetSource("PC2", 2, {{"Grid 4 (Delphi 7)", "4.2"}}),
          FleetSource("PC3", 3, {{"Grid 4 (Delphi 7)", "4.10"}})},
         {"PC1 | PC2 | PC3", "Grid 4 (Delphi 7): 4.10 4.2* 4.10"},
         "4.10"},
        {"an absent product is marked where others have it",
         {FleetSource("PC1", 1, {{"Bars 5 (Delphi 7)", "5.1"}, {"Grid 4 (Delphi 7)", "4.2"}}),
          FleetSource("PC2", 2, {{"Grid 4 (Delphi 7)", "4.2"}})},
         {"PC1 | PC2", "Bars 5 (Delphi 7): 5.1 -*", "Grid 4 (Delphi 7): 4.2 4.2"},
         "5.1"},
        {"a tie goes to the version met first in column order",
         {FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.2"}}),
          FleetSource("PC2", 2, {{"Grid 4 (Delphi 7)", "4.10"}})},
         {"PC1 | PC2", "Grid 4 (Delphi 7): 4.2 4.10*"},
         "4.2"},
        {"a tie ignores the columns that lack the product",
         {FleetSource("PC1", 1, {{"Editors 3 (Delphi 7)", "3.0"}}),
          FleetSource("PC2", 2, {{"Editors 3 (Delphi 7)", "3.0"}, {"Grid 4 (Delphi 7)", "4.10"}}),
          FleetSource("PC3", 3, {{"Editors 3 (Delphi 7)", "3.0"}, {"Grid 4 (Delphi 7)", "4.2"}})},
         {"PC1 | PC2 | PC3", "Editors 3 (Delphi 7): 3.0 3.0 3.0", "Grid 4 (Delphi 7): -* 4.10 4.2*"},
         "3.0"},
        {"versions equal once trimmed are one version, shown as first met",
         {FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.2 "}}),
          FleetSource("PC2", 2, {{"Grid 4 (Delphi 7)", "4.2"}})},
         {"PC1 | PC2", "Grid 4 (Delphi 7): 4.2  4.2 "},
         "4.2 "},
        {"two columns of one machine, given out of time order, are its history",
         {FleetSource("BUILD", 20, {{"Grid 4 (Delphi 7)", "4.10"}, {"Charts 2 (Delphi 7)", "2.0"}}),
          FleetSource("build", 10, {{"Grid 4 (Delphi 7)", "4.2"}, {"Bars 5 (Delphi 7)", "5.1"}}),
          FleetSource("Build", 30, {{"Grid 4 (Delphi 7)", "4.10"}, {"Charts 2 (Delphi 7)", "2.1"}})},
         {"build (t10) | BUILD (t20) | Build (t30)", "Bars 5 (Delphi 7): 5.1 -* -", "Charts 2 (Delphi 7): - 2.0* 2.1*",
          "Grid 4 (Delphi 7): 4.2 4.10* 4.10"},
         std::nullopt},
        {"columns without a moment follow the machine's dated ones, in source order",
         {FleetSource("PC1", std::nullopt, {{"Grid 4 (Delphi 7)", "4.3"}}),
          FleetSource("PC1", 5, {{"Grid 4 (Delphi 7)", "4.1"}}),
          FleetSource("PC1", std::nullopt, {{"Grid 4 (Delphi 7)", "4.3"}})},
         {"PC1 (t5) | PC1 | PC1", "Grid 4 (Delphi 7): 4.1 4.3* 4.3"},
         "4.3"},
        {"a machine with a history votes with its latest column only",
         {FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.2"}}), FleetSource("PC2", 1, {{"Grid 4 (Delphi 7)", "4.10"}}),
          FleetSource("PC1", 2, {{"Grid 4 (Delphi 7)", "4.2"}}), FleetSource("PC1", 3, {{"Grid 4 (Delphi 7)", "4.10"}}),
          FleetSource("PC3", 1, {{"Grid 4 (Delphi 7)", "4.2"}})},
         {"PC1 (t1) | PC1 (t2) | PC1 (t3) | PC2 | PC3", "Grid 4 (Delphi 7): 4.2 4.2 4.10* 4.10 4.2*"},
         "4.10"},
    };
    for (const TMatrixCase& row : cases) {
        SCOPED_TRACE(row.name);
        const TFleetMatrix matrix = BuildFleetMatrix(row.sources, nullptr);
        EXPECT_EQ(MatrixLines(matrix), row.expected);
        const TFleetRow& first = matrix.Rows().front();
        EXPECT_EQ(first.MostCommon ? std::optional(first.Versions[*first.MostCommon]) : std::nullopt,
                  row.mostCommonOfFirstRow);
        std::size_t marked = 0;
        for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
            std::size_t cellsMarked = 0;
            for (const TFleetCell& cell : matrix.Cells(r))
                cellsMarked += cell.Marked ? 1 : 0;
            EXPECT_EQ(matrix.Rows()[r].MarkedCount, cellsMarked) << matrix.Rows()[r].Name;
            marked += cellsMarked;
        }
        EXPECT_EQ(matrix.AnyMarked(), marked > 0);
    }
}

TEST(FleetMatrix, RowsStandByFamilyThenNameWhateverTheSourcesOrderAndSpelling) {
    const std::vector<TFleetSource> sources = {
        FleetSource("PC1", 1,
                    {{"grid 4 (Delphi 7)", "4.2"},
                     {"Bars 5 (Delphi 7)", "5.1"},
                     {"Grid 4 (Delphi 6)", "4.2"},
                     {"Bars 5 (Delphi 7)", "9.9"},
                     {"Zeta", "1"}}),
        FleetSource("PC2", 2,
                    {{"GRID 4 (DELPHI 7) ", "4.2"}, {"Bars 5 (Delphi 2005)", "5.1"}, {"bars 5 (Delphi 7)", "5.1"}}),
    };
    const TFleetMatrix matrix = BuildFleetMatrix(sources, nullptr);
    EXPECT_EQ(MatrixLines(matrix), (TLines{"PC1 | PC2", "Bars 5 (Delphi 2005): -* 5.1", "Bars 5 (Delphi 7): 5.1 5.1",
                                           "Grid 4 (Delphi 6): 4.2 -*", "grid 4 (Delphi 7): 4.2 4.2", "Zeta: 1 -*"}));
    EXPECT_EQ(matrix.Rows()[3].Family, "grid 4");
    EXPECT_EQ(matrix.MachineCount(), 2u);
    EXPECT_TRUE(BuildFleetMatrix({}, nullptr).Rows().empty());
}

TEST(FleetMatrix, WithAPolicyMarksItsViolationsInsteadInEveryColumn) {
    const TRequiredVersions policy = ReadRequiredVersions(
        "[Required]\n"
        "Grid 4 (Delphi *)=>=4.10\n"
        "Bars 5 (Delphi 7)=absent\n"
        "Editors 3 (Delphi 7)=3.0.1\n"
        "Charts 2 (Delphi 7)=present\n",
        "team.ini");
    const std::vector<TFleetSource> sources = {
        FleetSource("PC1", 1, {{"Grid 4 (Delphi 7)", "4.2"}, {"Editors 3 (Delphi 7)", "3.0.1"}}),
        FleetSource("PC2", 1, {{"Grid 4 (Delphi 7)", "4.10"}, {"Bars 5 (Delphi 7)", "5.1"}}),
        FleetSource("PC2", 2, {{"Grid 4 (Delphi 7)", "4.10"}, {"Editors 3 (Delphi 7)", "3.0.1"}}),
        FleetSource("PC3", 1, {{"Grid 4 (Delphi 7)", "4.10"}, {"Editors 3 (Delphi 7)", "3.0.1"}}),
    };
    const TFleetMatrix matrix = BuildFleetMatrix(sources, &policy);
    EXPECT_EQ(matrix.Marks(), TFleetMarks::Policy);
    // The most common version and the history change no mark; a required product no machine has gets a
    // row of its own.
    EXPECT_EQ(
        MatrixLines(matrix),
        (TLines{"PC1 | PC2 (t1) | PC2 (t2) | PC3", "Bars 5 (Delphi 7): - 5.1* - -", "Charts 2 (Delphi 7): -* -* -* -*",
                "Editors 3 (Delphi 7): 3.0.1 -* 3.0.1 3.0.1", "Grid 4 (Delphi 7): 4.2* 4.10 4.10 4.10"}));
    EXPECT_EQ(matrix.Rows()[3].Versions[*matrix.Rows()[3].MostCommon], "4.10");
    EXPECT_TRUE(matrix.AnyMarked());

    const TRequiredVersions met = ReadRequiredVersions("[Required]\nGrid 4 (Delphi 7)=>=4.2\n", "team.ini");
    EXPECT_FALSE(BuildFleetMatrix(sources, &met).AnyMarked());
}

TEST(FleetSource, MomentCountsSecondsSinceTheEpochInUtc) {
    EXPECT_EQ(MomentOf({1970, 1, 1, 0, 0, 0}, 0), 0);
    EXPECT_EQ(MomentOf({2024, 5, 2, 8, 30, 12}, 120), 1714631412);
    EXPECT_EQ(MomentOf({1969, 12, 31, 23, 0, 0}, -150), 5400);
    EXPECT_EQ(MomentOf({2000, 2, 29, 0, 0, 0}, 0), 951782400);
}

}  // namespace
