#include <chrono>

#include "app/HeadlessExportRig.h"

namespace {

// One product of each verdict among the three installed, and one that no machine has.
constexpr const char* kPolicy =
    "; what every build machine needs\r\n"
    "[Required]\r\n"
    "Grid 4 (Delphi 7)=4.2\r\n"
    "Grid 4 (Delphi 6)=>=4.10\r\n"
    "Bars 5 (Delphi 7)=absent\r\n"
    "Editors 3 (Delphi 7)=3.0.1\r\n";

constexpr const char* kSummary =
    "too old: Grid 4 (Delphi 6) 4.2, rule >=4.10\r\n"
    "forbidden: Bars 5 (Delphi 7) 5.1, rule absent\r\n"
    "missing: Editors 3 (Delphi 7), rule 3.0.1\r\n"
    "Required versions: 3 violations (1 too old, 0 too new, 1 missing, 1 forbidden), 1 ok, 0 unchecked\r\n";

// A registry export of another machine, from its 32-bit view.
constexpr const char* kDeveloperExport =
    "REGEDIT4\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Component Suite VCL Products\\Grid 4 (Delphi 7)]\r\n"
    "\"version\"=\"4.10\"\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Component Suite VCL Products\\Editors 3 (Delphi 7)]\r\n"
    "\"version\"=\"3.0.1\"\r\n";

class HeadlessPolicyTest : public HeadlessExportTest {
protected:
    // 2024-05-02 08:30:00 UTC, which the test file system reports as it is.
    void StampFile(const char* name) const {
        using namespace std::chrono;
        const sys_seconds when = sys_days{year{2024} / May / 2} + hours{8} + minutes{30};
        std::filesystem::last_write_time(folder.PathOf(name), file_clock::from_sys(when));
    }
    // The products of a JSON report, one line each from their name to the end of the line.
    static std::vector<std::string> ProductLines(const std::string& json) {
        std::vector<std::string> lines;
        for (std::size_t at = json.find("{\"name\": ", json.find("\"products\"")); at != std::string::npos;
             at = json.find("{\"name\": ", at + 1))
            lines.push_back(json.substr(at, json.find("}", at) - at + 1));
        return lines;
    }
};

TEST_F(HeadlessPolicyTest, AViolationFailsTheBuildAndTheLogShowsWhy) {
    folder.WriteFile("required.ini", kPolicy);
    EXPECT_EQ(Run({To("/policy", "required.ini")}), TExportResult::Differences);
    EXPECT_EQ(standardOutput, kSummary);
    EXPECT_EQ(standardError, "");

    // The summary gives way to a report on standard output; the reports carry every verdict.
    EXPECT_EQ(Run({To("/policy", "required.ini"), "/sjson", "-", To("/scsv", "r.csv")}), TExportResult::Differences);
    for (const char* line : {
             "\"status\": null, \"change\": null, \"verdict\": \"ok\", \"rule\": \"4.2\"}",
             "\"status\": null, \"change\": null, \"verdict\": \"too old\", \"rule\": \">=4.10\"}",
             "\"status\": null, \"change\": null, \"verdict\": \"forbidden\", \"rule\": \"absent\"}",
             "{\"name\": \"Editors 3 (Delphi 7)\", \"family\": \"Editors 3\", \"version\": null, \"snapshotVersion\": "
             "null, "
             "\"status\": null, \"change\": null, \"verdict\": \"missing\", \"rule\": \"3.0.1\"}",
         }) {
        EXPECT_NE(standardOutput.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(standardOutput.find("Required versions:"), std::string::npos) << standardOutput;
    const std::string csv = folder.ReadFile("r.csv");
    EXPECT_NE(csv.find(",Grid 4 (Delphi 6),Grid 4,4.2,,,,too old,>=4.10\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",Editors 3 (Delphi 7),Editors 3,,,,,missing,3.0.1\r\n"), std::string::npos) << csv;

    // With a report in a file the summary is still there; the snapshot's removed product is unchecked.
    EXPECT_EQ(Run({To("/policy", "required.ini"), To("/shtml", "r.html"), "/compare", "old.plx"}),
              TExportResult::Differences);
    std::string summary = kSummary;
    summary.replace(summary.find("0 unchecked"), 1, "1");
    EXPECT_EQ(standardOutput, summary);
}

TEST_F(HeadlessPolicyTest, TheExitCodeIsOneForAViolationOrADifference) {
    folder.WriteFile("met.ini", "[Required]\r\nGrid 4 (Delphi *)=>=4 <5\r\nBars 5 (Delphi 7)=present\r\n");
    EXPECT_EQ(Run({To("/policy", "met.ini")}), TExportResult::NoDifferences);
    EXPECT_EQ(standardOutput,
              "Required versions: 0 violations (0 too old, 0 too new, 0 missing, 0 forbidden), 3 ok, 0 unchecked\r\n");
    EXPECT_EQ(Run({To("/policy", "met.ini"), "/compare", "old.plx"}), TExportResult::Differences);
    folder.WriteFile("same.plx",
                     "[same]\r\nGrid 4 (Delphi 7)=4.2\r\nGrid 4 (Delphi 6)=4.2\r\nBars 5 (Delphi 7)=5.1\r\n");
    EXPECT_EQ(Run({To("/policy", "met.ini"), "/compare", "same.plx"}), TExportResult::NoDifferences);
}

// Everything is read before anything is written: a policy, a products file or a compared file that
// fails leaves every report as it was.
TEST_F(HeadlessPolicyTest, AnInputThatFailsNamesItsFileAndLineAndWritesNothing) {
    folder.WriteFile("bad.ini", "[Required]\r\nGrid 4 (Delphi 7)=4.2\r\nGrid 4 (Delphi 6)=>4.10 <5 >6\r\n");
    folder.WriteFile("typo.ini", "[Required]\r\nGrid 4 (Delphi 7)==4.2\r\n");
    folder.WriteFile("numeric.reg",
                     "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products\\X]\r\n"
                     "\"version\"=dword:00000004\r\n");
    folder.WriteFile("dev.txt", "");
    folder.WriteFile("renamed.plx", kOldSnapshot);
    const struct {
        const char* name;
        TTextList params;
        std::string error;
    } rows[] = {
        {"three bounds",
         {To("/policy", "bad.ini")},
         "More than two bounds\r\n" + folder.PathOf("bad.ini") + "(3): Grid 4 (Delphi 6)=>4.10 <5 >6"},
        {"unknown operator",
         {To("/policy", "typo.ini")},
         "Unknown operator \"=\"\r\n" + folder.PathOf("typo.ini") + "(2): Grid 4 (Delphi 7)==4.2"},
        {"no policy file", {To("/policy", "none.ini")}, "No file " + folder.PathOf("none.ini")},
        {"report over the policy",
         {To("/policy", "typo.ini"), To("/sjson", "typo.ini")},
         "Unable to write to " + folder.PathOf("typo.ini") + "\r\n" + folder.PathOf("typo.ini") +
             " is the required-versions file"},
        {"numeric version from a file",
         {To("/from", "numeric.reg")},
         "Invalid data type for 'version'\r\n" + folder.PathOf("numeric.reg") + "(3): \"version\"=dword:00000004"},
        {"products file of no known kind",
         {To("/from", "dev.txt")},
         "Not a file of products: " + folder.PathOf("dev.txt") +
             "\r\nProducts come from a snapshot (.plx), a JSON report (.json) or a registry export (.reg)"},
        {"compared path to no file", {To("/compare", "gone.reg")}, "No file " + folder.PathOf("gone.reg")},
        {"snapshot renamed",
         {To("/compare", "renamed.plx")},
         "No snapshot [renamed] in " + folder.PathOf("renamed.plx") +
             "\r\nA snapshot keeps its products in the section named after its file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectFailureThatWritesNothing(row.params, row.error);
    }
}

TEST_F(HeadlessPolicyTest, ProductsFromAFileTakeTheFactsItHoldsElseItsNameAndTime) {
    // The live check must not run: this product would fail it.
    keys.products.push_back({"Broken (Delphi 7)", "", TFakeProductKeys::TKind::Numeric});
    folder.WriteFile("dev.reg", kDeveloperExport);
    StampFile("dev.reg");
    EXPECT_EQ(Run({To("/from", "dev.reg"), "/sjson", "-"}), TExportResult::NoDifferences);
    EXPECT_TRUE(standardOutput.starts_with(
        "{\r\n  \"computer\": \"dev.reg\",\r\n  \"user\": null,\r\n  \"checkedAt\": \"2024-05-02T08:30:00+00:00\",\r\n"
        "  \"registryKey\": \"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Wow6432Node\\\\Component Suite VCL Products\",\r\n"
        "  \"registryView\": \"32-bit\",\r\n"))
        << standardOutput;
    EXPECT_EQ(
        ProductLines(standardOutput),
        (std::vector<std::string>{
            "{\"name\": \"Grid 4 (Delphi 7)\", \"family\": \"Grid 4\", \"version\": \"4.10\", \"snapshotVersion\": "
            "null, \"status\": null, \"change\": null, \"verdict\": null, \"rule\": null}",
            "{\"name\": \"Editors 3 (Delphi 7)\", \"family\": \"Editors 3\", \"version\": \"3.0.1\", "
            "\"snapshotVersion\": null, \"status\": null, \"change\": null, \"verdict\": null, \"rule\": null}"}));

    // A snapshot: its products, and its timestamp in the header.
    folder.WriteFile("base.plx", "[base]\r\n\\datetime\\=02/05/2024 08:30:00\r\nBars 5 (Delphi 7)=5.1\r\n");
    EXPECT_EQ(Run({To("/from", "base.plx"), "/shtml", "-"}), TExportResult::NoDifferences);
    EXPECT_NE(standardOutput.find("<TH colspan=\"2\">base.plx Thu 02-05-2024 08:30</TH>\r\n</tr>\r\n<tr "),
              std::string::npos)
        << standardOutput;
    EXPECT_NE(standardOutput.find("<td>Bars 5 (Delphi 7)</td><td>5.1</td>"), std::string::npos);

    // A JSON report of this program: its products and all its facts, the same as the check that wrote it.
    keys.products.pop_back();
    EXPECT_EQ(Run({To("/sjson", "live.json")}), TExportResult::NoDifferences);
    EXPECT_EQ(Run({To("/from", "live.json"), To("/sjson", "again.json")}), TExportResult::NoDifferences);
    EXPECT_EQ(folder.ReadFile("again.json"), folder.ReadFile("live.json"));
}

// A path with a folder compares with any file of products, named after its base name and saved at
// its time as a snapshot's timestamp is written.
TEST_F(HeadlessPolicyTest, ComparesWithAFileOfAnyKindThatAPathLeadsTo) {
    folder.WriteFile("dev.reg", kDeveloperExport);
    StampFile("dev.reg");
    EXPECT_EQ(Run({"/sjson", "-", To("/compare", "dev.reg")}), TExportResult::Differences);
    EXPECT_NE(standardOutput.find("  \"snapshot\": {\"name\": \"dev\", \"savedAt\": \"02/05/2024 08:30:00\"},\r\n"),
              std::string::npos)
        << standardOutput;
    const std::vector<std::string> products = ProductLines(standardOutput);
    ASSERT_EQ(products.size(), 4u);
    EXPECT_NE(products[0].find("\"version\": \"4.2\", \"snapshotVersion\": \"4.10\", \"status\": \"changed\", "
                               "\"change\": \"downgrade\""),
              std::string::npos)
        << products[0];
    EXPECT_NE(products[3].find("\"Editors 3 (Delphi 7)\", \"family\": \"Editors 3\", \"version\": null, "
                               "\"snapshotVersion\": \"3.0.1\", \"status\": \"removed\""),
              std::string::npos)
        << products[3];

    // Two files compared, no machine involved: the same products are no difference.
    EXPECT_EQ(Run({To("/from", "dev.reg"), To("/compare", "dev.reg"), "/shtml", "-"}), TExportResult::NoDifferences);
    EXPECT_NE(standardOutput.find("<TH>dev 02/05/2024 08:30:00</TH>"), std::string::npos) << standardOutput;
}

}  // namespace
