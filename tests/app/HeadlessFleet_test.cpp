#include <filesystem>

#include "app/HeadlessExportRig.h"

namespace {

std::string JsonReportOf(const std::string& computer, const std::string& grid) {
    return "{\"computer\": \"" + computer + "\", \"checkedAt\": \"2024-05-02T08:30:00+01:00\", \"products\": [\r\n" +
           "{\"name\": \"Grid 4 (Delphi 7)\", \"version\": \"" + grid + "\"},\r\n" +
           "{\"name\": \"Bars 5 (Delphi 7)\", \"version\": \"5.1\"}]}\r\n";
}

std::string SnapshotOf(const std::string& name, const std::string& timestamp, const std::string& products) {
    return "[" + name + "]\r\n\\datetime\\=" + timestamp + "\r\n" + products;
}

// The team's folder: three JSON reports, a snapshot and a registry export, one machine on another Grid;
// besides them a subfolder and a file of another kind, which are not the team's.
class HeadlessFleetTest : public HeadlessExportTest {
protected:
    void SetUp() override {
        HeadlessExportTest::SetUp();
        std::filesystem::create_directories(folder.PathOf("team/old"));
        folder.WriteFile("team/pc1.json", JsonReportOf("PC1", "4.10"));
        folder.WriteFile("team/pc2.JSON", JsonReportOf("PC2", "4.10"));
        folder.WriteFile("team/pc3.json", JsonReportOf("PC3", "4.2"));
        folder.WriteFile("team/build.plx", SnapshotOf("build", "01/05/2024 09:00:00",
                                                      "Grid 4 (Delphi 7)=4.10\r\nBars 5 (Delphi 7)=5.1\r\n"));
        folder.WriteFile("team/dev.reg",
                         "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products\\Grid 4 (Delphi "
                         "7)]\r\n\"version\"=\"4.10\"\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL "
                         "Products\\Bars 5 (Delphi 7)]\r\n\"version\"=\"5.1\"\r\n");
        folder.WriteFile("team/old/pc9.json", JsonReportOf("PC9", "3.0"));
        folder.WriteFile("team/notes.txt", "not a report");
        // Sources are written as a user writes them, relative to the current folder: native absolute paths
        // begin with "/", which would read as a switch.
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
    }
    void TearDown() override { std::filesystem::current_path(previousFolder); }
    static std::string Team() { return "team/"; }

    std::filesystem::path previousFolder;
};

TEST_F(HeadlessFleetTest, AStrayIsNamedInTheSummaryAndEveryReport) {
    EXPECT_EQ(Run({"/fleet", Team()}), TExportResult::Differences);
    EXPECT_EQ(standardError, "");
    EXPECT_EQ(standardOutput,
              "Grid 4 (Delphi 7)\r\n"
              "  4.10: 4\r\n"
              "  4.2: 1 (PC3)\r\n"
              "Team: 5 columns of 5 machines, 2 products, 1 differs, 1 cell marked\r\n");

    EXPECT_EQ(Run({"/fleet", Team(), To("/sjson", "t.json"), To("/scsv", "t.csv"), To("/sjsonl", "t.jsonl"),
                   To("/shtml", "t.html")}),
              TExportResult::Differences);
    const std::string json = folder.ReadFile("t.json");
    // Files in name order, whatever their letter case; a snapshot's time as stored.
    for (const std::string& part : TTextList{
             "{\"name\": \"build\", \"time\": \"01/05/2024 09:00:00\", \"source\": \"" + Team() + "build.plx\"}",
             "{\"name\": \"dev\", \"time\": \"", "{\"name\": \"PC1\", \"time\": \"2024-05-02 08:30:00\"",
             std::string("\"versions\": [\"4.10\", \"4.10\", \"4.10\", \"4.10\", \"4.2\"], \"mostCommon\": \"4.10\", "
                         "\"marked\": [4]}")}) {
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    }
    EXPECT_EQ(json.find("PC9"), std::string::npos);
    EXPECT_LT(json.find("\"build\""), json.find("\"dev\""));
    EXPECT_LT(json.find("\"PC2\""), json.find("\"PC3\""));
    const std::string csv = folder.ReadFile("t.csv");
    EXPECT_NE(csv.find("PC3,2024-05-02 08:30:00," + Team() + "pc3.json,Grid 4 (Delphi 7),Grid 4,4.2,4.10,yes\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("PC1,2024-05-02 08:30:00," + Team() + "pc1.json,Grid 4 (Delphi 7),Grid 4,4.10,4.10,no\r\n"),
              std::string::npos);
    const std::string lines = folder.ReadFile("t.jsonl");
    EXPECT_NE(lines.find("{\"machine\": \"PC3\", \"time\": \"2024-05-02 08:30:00\", \"source\": \"" + Team() +
                         "pc3.json\", \"name\": \"Grid 4 (Delphi 7)\", \"family\": \"Grid 4\", \"version\": \"4.2\", "
                         "\"mostCommon\": \"4.10\", \"marked\": true}\n"),
              std::string::npos)
        << lines;
    EXPECT_NE(folder.ReadFile("t.html").find("4.2</font></b></td>"), std::string::npos);
}

TEST_F(HeadlessFleetTest, AgreeingSourcesExitZeroAndAPolicyMarksInstead) {
    folder.WriteFile("team/pc3.json", JsonReportOf("PC3", "4.10"));
    EXPECT_EQ(Run({"/fleet", Team(), To("/sjson", "t.json")}), TExportResult::NoDifferences);
    EXPECT_EQ(folder.ReadFile("t.json").find("\"marked\": [0"), std::string::npos);

    // Sources one by one, and the policy's violations are the marks: every column's Bars is forbidden.
    folder.WriteFile("required.ini", "[Required]\r\nGrid 4 (Delphi 7)=>=4.10\r\nBars 5 (Delphi 7)=absent\r\n");
    EXPECT_EQ(Run({"/fleet", Team() + "pc1.json", Team() + "dev.reg", To("/policy", "required.ini"), "/sjson", "-"}),
              TExportResult::Differences);
    EXPECT_NE(standardOutput.find("\"name\": \"Bars 5 (Delphi 7)\", \"family\": \"Bars 5\", \"versions\": [\"5.1\", "
                                  "\"5.1\"], \"mostCommon\": \"5.1\", \"marked\": [0, 1]}"),
              std::string::npos)
        << standardOutput;
    EXPECT_NE(standardOutput.find("\"marked\": []}"), std::string::npos);
}

// Snapshots of one name are one machine: its columns come in the order of their timestamps, and each
// is marked where it differs from the one before.
TEST_F(HeadlessFleetTest, OneMachinesSnapshotsAreItsHistory) {
    const struct {
        const char* folder;
        const char* timestamp;
        const char* products;
    } snapshots[] = {
        {"may", "01/05/2024 09:00:00", "Grid 4 (Delphi 7)=4.2\r\nEditors 3 (Delphi 7)=3.0.1\r\n"},
        {"jan", "01/01/2024 09:00:00", "Grid 4 (Delphi 7)=4.1\r\nEditors 3 (Delphi 7)=3.0.0\r\n"},
        {"mar", "01/03/2024 09:00:00", "Grid 4 (Delphi 7)=4.2\r\nEditors 3 (Delphi 7)=3.0.0\r\n"},
    };
    // Given out of time order.
    TTextList params = {To("/sjson", "h.json"), "/fleet"};
    for (const auto& snapshot : snapshots) {
        std::filesystem::create_directories(folder.PathOf(snapshot.folder));
        const std::string path = std::string(snapshot.folder) + "/pc7.plx";
        folder.WriteFile(path, SnapshotOf("pc7", snapshot.timestamp, snapshot.products));
        params.push_back(path);
    }
    EXPECT_EQ(Run(params), TExportResult::Differences);
    const std::string json = folder.ReadFile("h.json");
    EXPECT_LT(json.find("01/01/2024"), json.find("01/03/2024"));
    EXPECT_LT(json.find("01/03/2024"), json.find("01/05/2024"));
    EXPECT_NE(json.find("\"name\": \"Editors 3 (Delphi 7)\", \"family\": \"Editors 3\", \"versions\": [\"3.0.0\", "
                        "\"3.0.0\", \"3.0.1\"], \"mostCommon\": \"3.0.1\", \"marked\": [2]}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"versions\": [\"4.1\", \"4.2\", \"4.2\"], \"mostCommon\": \"4.2\", \"marked\": [1]}"),
              std::string::npos);
}

// Every source is read before anything is written; one that fails is named.
TEST_F(HeadlessFleetTest, ASourceThatFailsIsNamedAndNothingIsWritten) {
    std::filesystem::create_directories(folder.PathOf("empty"));
    folder.WriteFile("team/broken.json", "{\"computer\": \"PC4\", \"products\": [}");
    const struct {
        const char* name;
        TTextList params;
        std::string error;
    } rows[] = {
        {"broken report",
         {"/fleet", Team()},
         "Invalid JSON: value expected\r\n" + Team() + "broken.json(1): {\"computer\": \"PC4\", \"products\": [}"},
        {"no such source", {"/fleet", "gone", Team() + "pc1.json"}, "No file or folder gone"},
        {"empty folder",
         {"/fleet", "empty/"},
         std::string("No file of products in empty/") +
             "\r\nThe team's files are snapshots (.plx), JSON reports (.json) or registry exports (.reg)"},
        {"report over a source",
         {To("/fleet", "team/pc1.json"), To("/sjson", "team/pc1.json")},
         "Unable to write to " + folder.PathOf("team/pc1.json") + "\r\n" + folder.PathOf("team/pc1.json") +
             " is a file /fleet reads"},
        {"with /compare",
         {"/fleet", Team(), "/compare", "old.plx"},
         "/fleet reads the team's files, so it cannot go with /compare, /from or /save\r\nRun plux.exe /? for the "
         "switches."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectFailureThatWritesNothing(row.params, row.error);
    }
}

}  // namespace
