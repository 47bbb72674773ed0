#include <gtest/gtest.h>

#include "app/HeadlessExport.h"
#include "app/Startup.h"
#include "support/FakeExecutableVersion.h"
#include "support/FakeProductKeys.h"
#include "support/FakeSystemFacts.h"
#include "support/MemoryFileSystem.h"

namespace {

// plux.exe in C:\Tools, run by JDoe, with the state file the window wrote at its last close.
TEST(HeadlessExportColours, TheBandsHaveTheCodesOfTheStateFile) {
    TFakeSystemFacts facts;
    TMemoryFileSystem files;
    files.folders = {"C:\\Tools"};
    TFakeExecutableVersion version;
    TStartup modules({"plux.exe"}, TSettingsPorts{&facts, &files, &version});
    files.files["C:\\Tools\\Data\\PLUX\\users\\jdoe\\formdata\\frmPLUX.ini"] =
        "[TfrmPLUX]\r\nShowCmd=1\r\nbarColor1.Description=#4080C0\r\nbarColor2.Description= #ffffc8 \r\n";

    TFakeProductKeys keys;
    keys.products = {{"Grid 4 (Delphi 7)", "4.2"}, {"Bars 5 (Delphi 7)", "5.1"}};
    std::string output;
    TExportPorts ports;
    ports.Keys = &keys;
    ports.Files = &files;
    ports.Facts = &facts;
    ports.WriteStandardOutput = [&](std::string_view text) {
        output.append(text);
        return true;
    };
    ports.WriteStandardError = [](std::string_view text) { ADD_FAILURE() << text; };
    ports.UtcOffsetMinutes = [] { return 0; };
    TCommandLine commandLine({"plux.exe", "/shtml", "-"});

    EXPECT_EQ(RunHeadlessExport(commandLine, ports), TExportResult::NoDifferences);
    EXPECT_NE(output.find("<tr bgcolor=\"#4080C0\">\r\n<td>Grid 4 (Delphi 7)</td>"), std::string::npos) << output;
    EXPECT_NE(output.find("<tr bgcolor=\"#ffffc8\">\r\n<td>Bars 5 (Delphi 7)</td>"), std::string::npos) << output;
    EXPECT_EQ(output.find("#dcFED6"), std::string::npos);
}

}  // namespace
