#include <gtest/gtest.h>

#include "app/CsvReport.h"
#include "app/JsonReport.h"
#include "policy/RequiredVersions.h"
#include "support/Latin1ToUtf8.h"

namespace {

// Hostile texts in every field: quotes, commas, a backslash, line breaks, a control character and
// characters above 127.
TComparison HostileComparison() {
    TComparison comparison;
    comparison.Facts.Computer = "PC\xC9";
    comparison.Facts.User = "j \"doe\"";
    comparison.Facts.CheckedAt = {2024, 5, 1, 9, 5, 7, 3};
    comparison.Facts.UtcOffsetMinutes = -150;
    comparison.Facts.RegistryKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products";
    comparison.Facts.RegistryView = "32-bit";
    comparison.SnapshotName = "base, old";
    comparison.SnapshotSavedAt = "01-05-2024 09:00:00";
    TComparedProduct& changed = comparison.Products.emplace_back();
    changed.Name = "Grid \"4\" (Delphi 7)";
    changed.Family = "Grid \"4\" ";
    changed.Version = "4.10";
    changed.SnapshotVersion = "4.9\r\nrc\x01";
    changed.Status = TProductStatus::Changed;
    changed.Change = TVersionChange::Upgrade;
    TComparedProduct& removed = comparison.Products.emplace_back();
    removed.Name =
        "\xC9"
        "dition, Sp\xE9"
        "ciale";
    removed.Family = removed.Name;
    removed.SnapshotVersion = " 1.0";
    removed.Status = TProductStatus::Removed;
    return comparison;
}

TEST(ReportWriters, JsonEscapesEveryTextAndKeepsItsKeyOrder) {
    const std::string expected =
        "{\r\n"
        "  \"computer\": \"PC\xC3\x89\",\r\n"
        "  \"user\": \"j \\\"doe\\\"\",\r\n"
        "  \"checkedAt\": \"2024-05-01T09:05:07-02:30\",\r\n"
        "  \"registryKey\": \"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Component Suite VCL Products\",\r\n"
        "  \"registryView\": \"32-bit\",\r\n"
        "  \"snapshot\": {\"name\": \"base, old\", \"savedAt\": \"01-05-2024 09:00:00\"},\r\n"
        "  \"products\": [\r\n"
        "    {\"name\": \"Grid \\\"4\\\" (Delphi 7)\", \"family\": \"Grid \\\"4\\\" \", \"version\": \"4.10\", "
        "\"snapshotVersion\": \"4.9\\r\\nrc\\u0001\", \"status\": \"changed\", \"change\": \"upgrade\", \"verdict\": "
        "null, \"rule\": null},\r\n"
        "    {\"name\": \"\xC3\x89"
        "dition, Sp\xC3\xA9"
        "ciale\", \"family\": \"\xC3\x89"
        "dition, Sp\xC3\xA9"
        "ciale\", "
        "\"version\": null, \"snapshotVersion\": \" 1.0\", \"status\": \"removed\", \"change\": null, \"verdict\": "
        "null, "
        "\"rule\": null}\r\n"
        "  ]\r\n"
        "}\r\n";
    EXPECT_EQ(JsonReport(HostileComparison(), {}, Latin1ToUtf8), expected);
}

TEST(ReportWriters, JsonWithoutSnapshotOrProducts) {
    TComparison comparison;
    comparison.Facts.CheckedAt = {2024, 12, 31, 23, 59, 0, 2};
    EXPECT_EQ(JsonReport(comparison, {}, Latin1ToUtf8),
              "{\r\n  \"computer\": \"\",\r\n  \"user\": null,\r\n  \"checkedAt\": \"2024-12-31T23:59:00+00:00\",\r\n"
              "  \"registryKey\": null,\r\n  \"registryView\": null,\r\n  \"snapshot\": null,\r\n"
              "  \"products\": []\r\n}\r\n");
}

TEST(ReportWriters, CsvQuotesWhereNeededInUtf8WithByteOrderMark) {
    const std::string expected =
        "\xEF\xBB\xBF"
        "Computer,User,Checked at,Snapshot,Snapshot saved at,Product,Family,Version,Snapshot version,Status,Change,"
        "Verdict,Rule\r\n"
        "PC\xC3\x89,\"j \"\"doe\"\"\",2024-05-01T09:05:07-02:30,\"base, old\",01-05-2024 09:00:00,"
        "\"Grid \"\"4\"\" (Delphi 7)\",\"Grid \"\"4\"\" \",4.10,\"4.9\r\nrc\x01\",changed,upgrade,,\r\n"
        "PC\xC3\x89,\"j \"\"doe\"\"\",2024-05-01T09:05:07-02:30,\"base, old\",01-05-2024 09:00:00,"
        "\"\xC3\x89"
        "dition, Sp\xC3\xA9"
        "ciale\",\"\xC3\x89"
        "dition, Sp\xC3\xA9"
        "ciale\",,\" 1.0\",removed,,,\r\n";
    EXPECT_EQ(CsvReport(HostileComparison(), {}, Latin1ToUtf8), expected);
}

// Every text that comes from outside may begin like a formula; the CSV cell then begins with an
// apostrophe (and is quoted on top when it must be), while JSON keeps the text.
TEST(ReportWriters, CsvCellsThatASpreadsheetWouldRunBeginWithAnApostrophe) {
    TComparison comparison;
    comparison.Facts.Computer = "=PC";
    comparison.Facts.User = "@jdoe";
    comparison.SnapshotName = "+base";
    comparison.SnapshotSavedAt = "-1";
    TComparedProduct& product = comparison.Products.emplace_back();
    product.Name = "=HYPERLINK(\"http://x\",\"y\")";
    product.Family = "\tTab";
    product.Version = "\r1";
    product.SnapshotVersion = "@2";
    product.Status = TProductStatus::Changed;
    product.Change = TVersionChange::NotComparable;
    const std::string csv = CsvReport(comparison, {}, Latin1ToUtf8);
    const std::string row = csv.substr(csv.find("\r\n") + 2);
    EXPECT_EQ(row,
              "'=PC,'@jdoe,2000-01-01T00:00:00+00:00,'+base,'-1,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",'\tTab,"
              "\"'\r1\",'@2,changed,not comparable,,\r\n");

    const std::string json = JsonReport(comparison, {}, Latin1ToUtf8);
    for (const char* text :
         {"\"=PC\"", "\"@jdoe\"", "\"+base\"", "\"-1\"", "\"=HYPERLINK(\\\"http", "\"\\tTab\"", "\"\\r1\"", "\"@2\""})
        EXPECT_NE(json.find(text), std::string::npos) << text;
    EXPECT_EQ(json.find('\''), std::string::npos);

    for (const char* safe : {"a=b", " =1", "'quoted", "1-2"}) {
        product.Name = safe;
        EXPECT_NE(CsvReport(comparison, {}, Latin1ToUtf8).find(std::string(",") + (safe[0] == ' ' ? "\"" : "") + safe),
                  std::string::npos)
            << safe;
    }
}

// Under required versions every row carries its verdict and the rule that decided it (with its key
// when a pattern decided), and each rule that named no product follows as a row of its own.
TEST(ReportWriters, EachRowCarriesItsVerdictAndRuleThenTheRulesNoProductMet) {
    TComparison comparison;
    comparison.Facts.Computer = "PC";
    for (const auto& [name, version] : {std::pair{"Grid 4 (Delphi 7)", "4.2"}, {"Tools 1 (Delphi 7)", "1.0"}}) {
        TComparedProduct& product = comparison.Products.emplace_back();
        product.Name = name;
        product.Family = ProductFamily(name);
        product.Version = version;
    }
    const TRequiredVersions required = ReadRequiredVersions(
        "[Required]\r\nGrid 4 (Delphi *)=>=4.10 <5\r\nEditors 3 (Delphi 7)=3.0.1\r\n", "required.ini");
    const std::vector<TProductVerdict> verdicts = CheckRequiredVersions(required, PolicyProducts(comparison));

    const std::string json = JsonReport(comparison, verdicts, Latin1ToUtf8);
    for (const char* line : {
             "{\"name\": \"Grid 4 (Delphi 7)\", \"family\": \"Grid 4\", \"version\": \"4.2\", \"snapshotVersion\": "
             "null, "
             "\"status\": null, \"change\": null, \"verdict\": \"too old\", \"rule\": \"Grid 4 (Delphi *)=>=4.10 "
             "<5\"},",
             "\"version\": \"1.0\", \"snapshotVersion\": null, \"status\": null, \"change\": null, \"verdict\": "
             "\"unchecked\", \"rule\": null},",
             "{\"name\": \"Editors 3 (Delphi 7)\", \"family\": \"Editors 3\", \"version\": null, \"snapshotVersion\": "
             "null, \"status\": null, \"change\": null, \"verdict\": \"missing\", \"rule\": \"3.0.1\"}\r\n  ]",
         }) {
        EXPECT_NE(json.find(line), std::string::npos) << line;
    }
    const std::string csv = CsvReport(comparison, verdicts, Latin1ToUtf8);
    for (const char* row : {",Grid 4 (Delphi 7),Grid 4,4.2,,,,too old,Grid 4 (Delphi *)=>=4.10 <5\r\n",
                            ",Tools 1 (Delphi 7),Tools 1,1.0,,,,unchecked,\r\n",
                            ",Editors 3 (Delphi 7),Editors 3,,,,,missing,3.0.1\r\n"}) {
        EXPECT_NE(csv.find(row), std::string::npos) << row;
    }
}

}  // namespace
