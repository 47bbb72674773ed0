#include "check/Comparison.h"

#include <gtest/gtest.h>

namespace {

using TPairs = std::vector<std::pair<std::string, std::string>>;

// One product as "name|family|version|snapshot version|status|change", "-" for nothing.
std::string Render(const TComparedProduct& product) {
    static const char* const kStatuses[] = {"same", "changed", "new", "removed"};
    static const char* const kChanges[] = {"-", "upgrade", "downgrade", "not comparable"};
    return product.Name + "|" + product.Family + "|" + product.Version.value_or("-") + "|" +
           product.SnapshotVersion.value_or("-") + "|" +
           (product.Status ? kStatuses[static_cast<int>(*product.Status)] : "-") + "|" +
           kChanges[static_cast<int>(product.Change)];
}

TEST(Comparison, EveryProductGetsItsStatusAndRemovedOnesFollow) {
    const struct {
        const char* name;
        TPairs installed;
        std::optional<TPairs> saved;
        std::vector<std::string> expected;
        bool differs;
    } rows[] = {
        {"same, also with blanks around a version",
         {{"Grid 4 (Delphi 7)", "4.2"}, {"Bars 5 (Delphi 7)", "5.1 "}},
         TPairs{{"Grid 4 (Delphi 7)", "4.2"}, {"Bars 5 (Delphi 7)", "5.1"}},
         {"Grid 4 (Delphi 7)|Grid 4 |4.2|4.2|same|-", "Bars 5 (Delphi 7)|Bars 5 |5.1 |5.1|same|-"},
         false},
        {"changed up, down and beyond order",
         {{"Up", "4.10"}, {"Down", "4.2"}, {"Unreadable", ":[?]"}, {"Case", "5.1a"}},
         TPairs{{"Up", "4.9"}, {"Down", "4.10"}, {"Unreadable", "4.2"}, {"Case", "5.1A"}},
         {"Up|Up|4.10|4.9|changed|upgrade", "Down|Down|4.2|4.10|changed|downgrade",
          "Unreadable|Unreadable|:[?]|4.2|changed|not comparable", "Case|Case|5.1a|5.1A|changed|not comparable"},
         true},
        {"new and removed, removed in the snapshot's order after the installed ones",
         {{"Kept (Delphi 7)", "1"}, {"Added (Delphi 7)", "2"}},
         TPairs{{"Gone B (Delphi 6)", "3"}, {"Kept (Delphi 7)", "1"}, {"Gone A", ""}},
         {"Kept (Delphi 7)|Kept |1|1|same|-", "Added (Delphi 7)|Added |2|-|new|-",
          "Gone B (Delphi 6)|Gone B |-|3|removed|-", "Gone A|Gone A|-||removed|-"},
         true},
        {"names matched without regard to letter case",
         {{"grid 4 (delphi 7)", "4.2"}},
         TPairs{{"GRID 4 (Delphi 7)", "4.2"}},
         {"grid 4 (delphi 7)|grid 4 |4.2|4.2|same|-"},
         false},
        {"unreadable on both sides is the same",
         {{"Locked", ":[?]"}},
         TPairs{{"Locked", ":[?]"}},
         {"Locked|Locked|:[?]|:[?]|same|-"},
         false},
        {"empty snapshot: everything is new", {{"A", "1"}}, TPairs{}, {"A|A|1|-|new|-"}, true},
        {"no snapshot: no statuses", {{"A", "1"}}, std::nullopt, {"A|A|1|-|-|-"}, false},
        {"nothing installed, nothing saved", {}, TPairs{}, {}, false},
        {"nothing installed, one saved", {}, TPairs{{"A", "1"}}, {"A|A|-|1|removed|-"}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TProductList products;
        for (const auto& [name, version] : row.installed) {
            products.ProductNames.push_back(name);
            products.ProductVersions.push_back(version);
        }
        std::optional<TSnapshotSection> snapshot;
        if (row.saved)
            snapshot = TSnapshotSection{"base", "01-05-2024 09:00:00", *row.saved};
        TCheckFacts facts;
        facts.Computer = "PC1";
        const TComparison comparison = CompareProducts(products, snapshot ? &*snapshot : nullptr, facts);

        std::vector<std::string> rendered;
        for (const TComparedProduct& product : comparison.Products)
            rendered.push_back(Render(product));
        EXPECT_EQ(rendered, row.expected);
        EXPECT_EQ(HasDifferences(comparison), row.differs);
        EXPECT_EQ(comparison.Facts.Computer, "PC1");
        EXPECT_EQ(comparison.SnapshotName.has_value(), row.saved.has_value());
    }
}

}  // namespace
