#include "app/HeadlessExport.h"

#include <gtest/gtest.h>

#include "app/ExportRequest.h"
#include "app/Startup.h"
#include "support/FakeExecutableVersion.h"
#include "support/FakeProductKeys.h"
#include "support/FakeSystemFacts.h"
#include "support/MemoryFileSystem.h"
#include "support/StdFileSystem.h"
#include "support/TempDir.h"

namespace {

constexpr const char* kOldSnapshot =
    "[old]\r\n\\datetime\\=01-02-2004 10:00:00\r\nGrid 4 (Delphi 7)=4.1\r\n"
    "Grid 4 (Delphi 6)=4.2\r\nCharts 2 (Delphi 5)=2.0\r\n";

class HeadlessExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        facts.executablePath = folder.Path() + "plux.exe";
        facts.currentDirectory = folder.Path();
        keys.products = {{"Grid 4 (Delphi 7)", "4.2"}, {"Grid 4 (Delphi 6)", "4.2"}, {"Bars 5 (Delphi 7)", "5.1"}};
        ports.Keys = &keys;
        ports.Files = &files;
        ports.Facts = &facts;
        ports.WriteStandardOutput = [this](std::string_view text) {
            standardOutput.append(text);
            return standardOutputWorks;
        };
        ports.WriteStandardError = [this](std::string_view text) { standardError.append(text); };
        ports.ToUtf8 = [](std::string_view text) { return std::string(text); };
        ports.UtcOffsetMinutes = [] { return 60; };
        folder.WriteFile("old.plx", kOldSnapshot);
    }
    TExportResult Run(TTextList params) {
        params.insert(params.begin(), "plux.exe");
        TCommandLine commandLine(std::move(params));
        standardOutput.clear();
        standardError.clear();
        return RunHeadlessExport(commandLine, ports);
    }
    // A report file as a switch value: native paths begin with "/", which the attached form allows.
    std::string To(const char* switchName, const char* file) const {
        return std::string(switchName) + "=" + folder.PathOf(file);
    }

    // The modules are up as in the program. The settings keep their folders in memory, where the export
    // finds no state file, so the report has the design's colours.
    TFakeSystemFacts settingsFacts;
    TMemoryFileSystem settingsFiles;
    TFakeExecutableVersion version;
    TStartup modules{{"plux.exe"}, TSettingsPorts{&settingsFacts, &settingsFiles, &version}};
    TTempDir folder;
    TStdFileSystem files;
    TFakeSystemFacts facts;
    TFakeProductKeys keys;
    TExportPorts ports;
    std::string standardOutput;
    std::string standardError;
    bool standardOutputWorks = true;
};

TEST_F(HeadlessExportTest, WritesTheReportWithCrLfAndTellsWhetherItDiffers) {
    EXPECT_EQ(Run({"/shtml", "-"}), TExportResult::NoDifferences);
    EXPECT_TRUE(standardOutput.starts_with(
        "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">\r\n<tr>\r\n"
        "<TH colspan=\"2\">PC1 Tue 03-02-2004 09:05</TH>\r\n</tr>\r\n"));
    EXPECT_NE(standardOutput.find("<tr bgcolor=\"#dcFED6\">\r\n<td>Grid 4 (Delphi 7)</td><td>4.2</td>\r\n"),
              std::string::npos);
    EXPECT_TRUE(standardOutput.ends_with("</tr>\r\n</table>\r\n"));
    EXPECT_EQ(standardError, "");

    folder.WriteFile("same.plx",
                     "[same]\r\nGrid 4 (Delphi 7)=4.2\r\nGrid 4 (Delphi 6)=4.2\r\nBars 5 (Delphi 7)=5.1\r\n");
    EXPECT_EQ(Run({To("-SHTML", "same.html"), "-compare", "same.plx"}), TExportResult::NoDifferences);
    EXPECT_EQ(Run({"/compare", " old.plx ", To("/shtml", "diff.html")}), TExportResult::Differences);
    const std::string report = folder.ReadFile("diff.html");
    EXPECT_NE(report.find("<TH>old 01-02-2004 10:00:00</TH>\r\n"), std::string::npos);
    EXPECT_NE(report.find("<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">4.1</font></b></td>\r\n"),
              std::string::npos);
}

// One check feeds all three reports: an upgrade, a product kept, one added and one removed.
TEST_F(HeadlessExportTest, TheThreeReportsShowOneComparison) {
    EXPECT_EQ(Run({To("/shtml", "r.html"), To("/sjson", "r.json"), "/scsv", "-", "/compare:old.plx"}),
              TExportResult::Differences);
    EXPECT_NE(folder.ReadFile("r.html").find("<TH>old 01-02-2004 10:00:00</TH>"), std::string::npos);
    const std::string json = folder.ReadFile("r.json");
    for (const char* line : {
             "  \"checkedAt\": \"2004-02-03T09:05:07+01:00\",\r\n",
             "  \"registryKey\": \"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Component Suite VCL Products\",\r\n",
             "  \"snapshot\": {\"name\": \"old\", \"savedAt\": \"01-02-2004 10:00:00\"},\r\n",
             "\"version\": \"4.2\", \"snapshotVersion\": \"4.1\", \"status\": \"changed\", \"change\": \"upgrade\"}",
             "{\"name\": \"Bars 5 (Delphi 7)\", \"family\": \"Bars 5\", \"version\": \"5.1\", "
             "\"snapshotVersion\": null, \"status\": \"new\", \"change\": null}",
             "{\"name\": \"Charts 2 (Delphi 5)\", \"family\": \"Charts 2\", \"version\": null, "
             "\"snapshotVersion\": \"2.0\", \"status\": \"removed\", \"change\": null}\r\n  ]\r\n}\r\n",
         }) {
        EXPECT_NE(json.find(line), std::string::npos) << line;
    }
    EXPECT_NE(standardOutput.find(",Grid 4 (Delphi 6),Grid 4,4.2,4.2,same,\r\n"), std::string::npos);
    EXPECT_EQ(standardError, "");

    // A removed product alone is a difference too.
    keys.products = {{"Grid 4 (Delphi 7)", "4.1"}, {"Grid 4 (Delphi 6)", "4.2"}};
    EXPECT_EQ(Run({"/sjson", "-", "/compare", "old.plx"}), TExportResult::Differences);
    EXPECT_EQ(Run({"/sjson", "-", "/compare", "<nothing>"}), TExportResult::NoDifferences);
    EXPECT_NE(standardOutput.find("\"snapshot\": null,"), std::string::npos);
}

TEST_F(HeadlessExportTest, FailuresExplainThemselvesAndWriteNothing) {
    const std::string root = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products\\";
    const std::string hint = "Run plux.exe /? for the switches.\r\n";
    const std::string noSnapshot = "A snapshot is a .plx file in " + folder.Path() + "\r\n";
    std::filesystem::create_directory(folder.PathOf("sub.plx"));
    const struct {
        const char* name;
        TTextList params;
        std::string error;
        bool brokenVersion = false;
    } rows[] = {
        {"numeric version",
         {To("/shtml", "r.html")},
         "Invalid data type for 'version'\r\nProduct key: " + root + "Broken (Delphi 7) (32-bit view)\r\n",
         true},
        {"switch swallowed", {"/shtml", "/compare", "old.plx"}, "Missing file name after /shtml\r\n" + hint},
        {"blank file name", {"/shtml", "  ", "/compare", "old.plx"}, "Missing file name after /shtml\r\n" + hint},
        {"unknown switch", {To("/shtml", "r.html"), "/comapre", "old.plx"}, "Unknown switch /comapre\r\n" + hint},
        {"snapshot typo",
         {To("/shtml", "r.html"), "/compare", "olt.plx"},
         "No snapshot " + folder.PathOf("olt.plx") + "\r\n" + noSnapshot},
        {"snapshot a folder",
         {To("/shtml", "r.html"), "/compare", "sub.plx"},
         "No snapshot " + folder.PathOf("sub.plx") + "\r\n" + noSnapshot},
        {"report over the snapshot",
         {To("/shtml", "OLD.PLX"), "/compare", "old.plx"},
         "Unable to write to " + folder.PathOf("OLD.PLX") + "\r\n" + folder.PathOf("OLD.PLX") +
             " is the snapshot the reports compare with\r\n"},
        {"report over a folder",
         {To("/shtml", "sub.plx")},
         "Unable to write to " + folder.PathOf("sub.plx") + "\r\n" + folder.PathOf("sub.plx") + " is a folder\r\n"},
        {"two reports, one file",
         {To("/shtml", "r.html"), To("/sjson", "r.html")},
         "Unable to write to " + folder.PathOf("r.html") + "\r\n" + folder.PathOf("r.html") +
             " is the file of another report\r\n"},
        {"device as the snapshot name",
         {"/save", "nul", To("/shtml", "r.html")},
         "\"nul\" names a device, not a snapshot file\r\nChoose another name: Windows keeps CON, PRN, AUX, NUL, "
         "COM1 to COM9 and LPT1 to LPT9, with any extension, for its devices\r\n"},
        {"value that starts with a slash",
         {"/shtml", "/r.html"},
         "Missing file name after /shtml: /r.html starts with \"/\", so it is read as a switch\r\n"
         "Write the value onto its switch: /shtml=/r.html\r\n"},
        {"folder missing",
         {To("/shtml", "r.html"), To("/sjson", "no-such-folder/r.json")},
         "Unable to write to " + folder.PathOf("no-such-folder/r.json") + "\r\nThe folder " +
             folder.PathOf("no-such-folder") + " does not exist\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        folder.WriteFile("r.html", "previous");
        keys.products.resize(3);
        if (row.brokenVersion)
            keys.products.push_back({"Broken (Delphi 7)", "", TFakeProductKeys::TKind::Numeric});
        EXPECT_EQ(Run(row.params), TExportResult::Failed);
        EXPECT_EQ(standardError, row.error);
        EXPECT_EQ(standardOutput, "");
        EXPECT_EQ(folder.ReadFile("old.plx"), kOldSnapshot);
        EXPECT_EQ(folder.ReadFile("r.html"), "previous");
    }

    standardOutputWorks = false;
    EXPECT_EQ(Run({"/shtml", "-"}), TExportResult::Failed);
    EXPECT_EQ(standardError, "Unable to write to standard output\r\n");
}

// The save runs Save Result's code after the reports have read the snapshot, so they compare with it as
// it was; its path goes to standard output.
TEST_F(HeadlessExportTest, SaveWritesTheSnapshotAfterTheReportsReadIt) {
    keys.products = {{"Grid 4 (Delphi 7)", "4.2"}};
    EXPECT_EQ(Run({"/save", "old", To("/shtml", "r.html"), "/compare", "old.plx"}), TExportResult::Differences);
    EXPECT_EQ(standardOutput, folder.PathOf("old.plx") + "\r\n");
    EXPECT_EQ(standardError, "");
    EXPECT_NE(folder.ReadFile("r.html").find("<font color=\"#ffffff\">4.1</font>"), std::string::npos);
    const std::string saved = folder.ReadFile("old.plx");
    EXPECT_TRUE(saved.starts_with("[old]\r\n\\datetime\\=03/02/2004 09:05:07\r\nGrid 4 (Delphi 7)=4.2\r\n")) << saved;
    EXPECT_EQ(Run({"/sjson", "-", "/compare", "old.plx"}), TExportResult::Differences) << "Charts 2 was removed";

    EXPECT_EQ(Run({"/save", "my base"}), TExportResult::NoDifferences);
    EXPECT_EQ(standardOutput, folder.PathOf("my base.plx") + "\r\n");
    EXPECT_EQ(Run({"/save:a*b"}), TExportResult::NoDifferences);
    EXPECT_TRUE(folder.Exists("a_b.plx"));
}

TEST_F(HeadlessExportTest, FailingSaveWritesNothing) {
    std::filesystem::create_directory(folder.PathOf("base.plx"));
    folder.WriteFile("r.html", "previous");
    EXPECT_EQ(Run({"/save", "base", To("/shtml", "r.html")}), TExportResult::Failed);
    EXPECT_EQ(standardError, "Unable to write to " + folder.PathOf("base.plx") + "\r\n");
    EXPECT_EQ(standardOutput, "");
    EXPECT_EQ(folder.ReadFile("r.html"), "previous");

    EXPECT_EQ(Run({"/save", "old", To("/sjson", "old.plx")}), TExportResult::Failed);
    EXPECT_EQ(standardError, "Unable to write to " + folder.PathOf("old.plx") + "\r\n" + folder.PathOf("old.plx") +
                                 " is the snapshot /save writes\r\n");
    EXPECT_EQ(folder.ReadFile("old.plx"), kOldSnapshot);
}

TEST_F(HeadlessExportTest, UsageGoesToStandardOutput) {
    EXPECT_EQ(Run({"/shtml", "r.html", "/?"}), TExportResult::NoDifferences);
    EXPECT_TRUE(standardOutput.find("/sjson FILE") != std::string::npos);
    EXPECT_EQ(standardError, "");
    EXPECT_FALSE(folder.Exists("r.html"));
}

TEST_F(HeadlessExportTest, IsRequestedByTheExportSwitchesOnly) {
    EXPECT_TRUE(IsHeadlessRequest(TCommandLine({"p", "/SHTML", "x"})));
    EXPECT_TRUE(IsHeadlessRequest(TCommandLine({"p", "/shtml:x"})));
    EXPECT_TRUE(IsHeadlessRequest(TCommandLine({"p", "/help"})));
    EXPECT_FALSE(IsHeadlessRequest(TCommandLine({"p", "/compare", "x"})));
    EXPECT_FALSE(IsHeadlessRequest(TCommandLine({"p"})));
}

}  // namespace
