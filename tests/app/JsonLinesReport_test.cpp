#include <gtest/gtest.h>

#include "app/JsonReport.h"
#include "policy/RequiredVersions.h"

namespace {

std::string Identity(std::string_view text) {
    return std::string(text);
}

// Each line is one product with every fact of the check, so a line loaded alone still tells whose it is.
TEST(JsonLinesReport, WritesOneObjectPerProductThatRepeatsTheFacts) {
    TComparison comparison;
    comparison.Facts = {"BUILD01", "jdoe", {2024, 5, 2, 8, 30, 12, 4}, 120, "HKEY_LOCAL_MACHINE\\SOFTWARE\\X",
                        "32-bit"};
    comparison.SnapshotName = "base";
    comparison.SnapshotSavedAt = "01/05/2024 09:00:00";
    comparison.Products = {
        {"Grid 4 (Delphi 7)", "Grid 4", "4.10", "4.2", TProductStatus::Changed, TVersionChange::Upgrade},
        {"Bars \"5\" (Delphi 7)", "Bars \"5\"", std::nullopt, "5.1\n", TProductStatus::Removed, TVersionChange::None},
    };
    const std::string facts =
        "{\"computer\": \"BUILD01\", \"user\": \"jdoe\", \"checkedAt\": \"2024-05-02T08:30:12+02:00\", "
        "\"registryKey\": \"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\X\", \"registryView\": \"32-bit\", "
        "\"snapshot\": {\"name\": \"base\", \"savedAt\": \"01/05/2024 09:00:00\"}, ";
    EXPECT_EQ(JsonLinesReport(comparison, {}, Identity),
              facts +
                  "\"name\": \"Grid 4 (Delphi 7)\", \"family\": \"Grid 4\", \"version\": \"4.10\", "
                  "\"snapshotVersion\": \"4.2\", \"status\": \"changed\", \"change\": \"upgrade\", \"verdict\": null, "
                  "\"rule\": null}\n" +
                  facts +
                  "\"name\": \"Bars \\\"5\\\" (Delphi 7)\", \"family\": \"Bars \\\"5\\\"\", \"version\": null, "
                  "\"snapshotVersion\": \"5.1\\n\", \"status\": \"removed\", \"change\": null, \"verdict\": null, "
                  "\"rule\": null}\n");

    // Under required versions each line carries its verdict, and a rule that met no product is a line too.
    const TRequiredVersions required =
        ReadRequiredVersions("[Required]\nGrid 4 (Delphi *)=>=4.10\nEditors 3 (Delphi 7)=3.0.1\n", "team.ini");
    const std::string lines =
        JsonLinesReport(comparison, CheckRequiredVersions(required, PolicyProducts(comparison)), Identity);
    EXPECT_NE(lines.find("\"change\": \"upgrade\", \"verdict\": \"ok\", \"rule\": \"Grid 4 (Delphi *)=>=4.10\"}\n"),
              std::string::npos);
    EXPECT_NE(lines.find("\"change\": null, \"verdict\": \"unchecked\", \"rule\": null}\n"), std::string::npos);
    EXPECT_NE(lines.find(facts + "\"name\": \"Editors 3 (Delphi 7)\", \"family\": \"Editors 3\", \"version\": null, "
                                 "\"snapshotVersion\": null, \"status\": null, \"change\": null, \"verdict\": "
                                 "\"missing\", \"rule\": \"3.0.1\"}\n"),
              std::string::npos);

    comparison.Products.clear();
    EXPECT_EQ(JsonLinesReport(comparison, {}, Identity), "");
}

}  // namespace
