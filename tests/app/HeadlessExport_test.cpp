#include "app/HeadlessExport.h"

#include <gtest/gtest.h>

#include "app/Startup.h"
#include "support/FakeExecutableVersion.h"
#include "support/FakeProductKeys.h"
#include "support/FakeSystemFacts.h"
#include "support/MemoryFileSystem.h"
#include "support/StdFileSystem.h"
#include "support/TempDir.h"

namespace {

class HeadlessExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        facts.executablePath = folder.Path() + "plux.exe";
        keys.products = {{"Grid 4 (Delphi 7)", "4.2"}, {"Grid 4 (Delphi 6)", "4.2"}, {"Bars 5 (Delphi 7)", "5.1"}};
        ports.Keys = &keys;
        ports.Files = &files;
        ports.Facts = &facts;
        ports.WriteStandardOutput = [this](std::string_view text) {
            standardOutput.append(text);
            return true;
        };
        ports.WriteStandardError = [this](std::string_view text) { standardError.append(text); };
    }
    TExportResult Run(TTextList params) {
        params.insert(params.begin(), "plux.exe");
        TCommandLine commandLine(std::move(params));
        return RunHeadlessExport(commandLine, ports);
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
};

TEST_F(HeadlessExportTest, WritesTheReportWithCrLfAndTellsWhetherItDiffers) {
    EXPECT_EQ(Run({"/shtml", "-"}), TExportResult::NoDifferences);
    EXPECT_TRUE(standardOutput.starts_with(
        "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">\r\n<tr>\r\n"));
    EXPECT_NE(standardOutput.find("<tr bgcolor=\"#dcFED6\">\r\n<td>Grid 4 (Delphi 7)</td><td>4.2</td>\r\n"),
              std::string::npos);
    EXPECT_NE(standardOutput.find("<tr bgcolor=\"#ffffc8\">\r\n"), std::string::npos);
    EXPECT_TRUE(standardOutput.ends_with("</tr>\r\n</table>\r\n"));
    EXPECT_EQ(standardError, "");

    folder.WriteFile("old.plx", "[old]\r\nGrid 4 (Delphi 7)=4.2\r\nGrid 4 (Delphi 6)=4.2\r\nBars 5 (Delphi 7)=5.1\r\n");
    EXPECT_EQ(Run({"-SHTML", folder.PathOf("same.html"), "-compare", "old.plx"}), TExportResult::NoDifferences);
    folder.WriteFile("old.plx", "[old]\r\nGrid 4 (Delphi 7)=4.1\r\n");
    EXPECT_EQ(Run({"/compare", " old.plx ", "/shtml", folder.PathOf("diff.html")}), TExportResult::Differences);
    const std::string report = folder.ReadFile("diff.html");
    EXPECT_NE(report.find("<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">4.1</font></b></td>\r\n"),
              std::string::npos);
}

TEST_F(HeadlessExportTest, FailureReportsOnStandardErrorAndLeavesTheFileAlone) {
    folder.WriteFile("report.html", "previous");
    keys.products.push_back({"Broken (Delphi 7)", "", TFakeProductKeys::TKind::Numeric});
    EXPECT_EQ(Run({"/shtml", folder.PathOf("report.html")}), TExportResult::Failed);
    EXPECT_EQ(standardError, "Invalid data type for 'version'\r\n");
    EXPECT_EQ(folder.ReadFile("report.html"), "previous");
}

TEST_F(HeadlessExportTest, MissingOrUnwritableOutputFails) {
    EXPECT_EQ(Run({"/shtml"}), TExportResult::Failed);
    EXPECT_EQ(standardError, "Missing file name after /shtml\r\n");
    standardError.clear();
    const std::string path = folder.PathOf("no-such-folder/r.html");
    EXPECT_EQ(Run({"/shtml", path}), TExportResult::Failed);
    EXPECT_EQ(standardError, "Unable to write to " + path + "\r\n");
    standardError.clear();
    ports.WriteStandardOutput = [](std::string_view) { return false; };
    EXPECT_EQ(Run({"/shtml", "-"}), TExportResult::Failed);
    EXPECT_EQ(standardError, "Unable to write to -\r\n");
}

TEST_F(HeadlessExportTest, IsRequestedOnlyByTheOutputSwitch) {
    EXPECT_TRUE(IsExportRequest(TCommandLine({"p", "/SHTML", "x"})));
    EXPECT_FALSE(IsExportRequest(TCommandLine({"p", "/compare", "x"})));
    EXPECT_FALSE(IsExportRequest(TCommandLine({"p"})));
}

}  // namespace
