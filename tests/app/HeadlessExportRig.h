#ifndef PLUX_TESTS_APP_HEADLESSEXPORTRIG_H
#define PLUX_TESTS_APP_HEADLESSEXPORTRIG_H

#include <gtest/gtest.h>

#include "app/HeadlessExport.h"
#include "app/Startup.h"
#include "support/FakeExecutableVersion.h"
#include "support/FakeProductKeys.h"
#include "support/FakeSystemFacts.h"
#include "support/MemoryFileSystem.h"
#include "support/StdFileSystem.h"
#include "support/TempDir.h"

// The export run as the program runs it, on real files in a fresh folder that is also the program
// folder and the current one, with three products in the registry and the snapshot old.plx.

inline constexpr const char* kOldSnapshot =
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
    // The run fails with the error on standard error, nothing on standard output, and leaves the HTML
    // report it was asked for as it was.
    void ExpectFailureThatWritesNothing(TTextList params, const std::string& error) {
        folder.WriteFile("r.html", "previous");
        params.push_back(To("/shtml", "r.html"));
        EXPECT_EQ(Run(std::move(params)), TExportResult::Failed);
        EXPECT_EQ(standardError, error + "\r\n");
        EXPECT_EQ(standardOutput, "");
        EXPECT_EQ(folder.ReadFile("r.html"), "previous");
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

#endif
