#include "app/MainWindowState.h"

#include <gtest/gtest.h>

#include "app/MainBars.h"
#include "support/FakeExecutableVersion.h"
#include "support/FakeFormWindow.h"
#include "support/FakeSystemFacts.h"
#include "support/RefusingFileSystem.h"

namespace {

constexpr const char* kStateFile = "C:\\Tools\\Data\\PLUX\\users\\jdoe\\formdata\\frmPLUX.ini";
constexpr const char* kFirstRunFile =
    "[TfrmPLUX]\r\nFlags=0\r\nShowCmd=1\r\nNormalPos=227,114,923,594\r\nPixelsPerInch=96\r\nColor=16777215\r\n"
    "barColor1.Description=#dcFED6\r\nbarColor2.Description=#ffffc8\r\n";

// The program in C:\Tools run by JDoe with its settings; each Run is one start of the main window at
// its design bounds with the design's bars, driven through its notifications.
class MainWindowStateTest : public ::testing::Test {
protected:
    void SetUp() override { files.files.folders = {"C:\\Tools"}; }

    struct TRun {
        TBarManager bars;
        TFakeFormWindow window;
        TTextList errors;
        std::unique_ptr<TMainWindowState> state;
    };
    std::unique_ptr<TRun> Start() {
        auto run = std::make_unique<TRun>();
        BuildMainBars(run->bars);
        run->state = std::make_unique<TMainWindowState>(
            run->window, run->bars, files, facts,
            [r = run.get()](std::string_view error) { r->errors.emplace_back(error); });
        run->state->IniFileStore.IniFileName = settings.FormStateFileName(kMainWindowName);
        run->state->Attachments.WindowCreated();
        return run;
    }
    static void Close(TRun& run) {
        run.state->Attachments.WindowCloseQuery(true);
        run.state->Attachments.WindowDestroying();
    }
    std::string FileText() const { return files.ReadFile(kStateFile).value_or("<none>"); }

    TRefusingFileSystem files;
    TFakeSystemFacts facts;
    TFakeExecutableVersion version;
    TSettingsPorts ports{&facts, &files, &version};
    TProgSettings settings{TViaParm{}, ports};
};

TEST_F(MainWindowStateTest, TheFirstRunLeavesTheEightLinesOfTheDesign) {
    auto run = Start();
    EXPECT_TRUE(run->window.appliedPlacements.empty());
    EXPECT_FALSE(run->window.windowState.has_value());
    Close(*run);
    EXPECT_EQ(FileText(), kFirstRunFile);
    EXPECT_EQ(files.writes, 1);  // both components' keys at once
    EXPECT_EQ(run->errors, TTextList{});
}

TEST_F(MainWindowStateTest, TheNextStartRestoresPlacementStateAndCodes) {
    auto first = Start();
    first->window.placement = TPlacement{0, 3, TRect{40, 30, 640, 530}};
    first->bars.ChangeItem(*first->bars.FindItem("barColor1"),
                           [](TBarItemProperties& swatch) { swatch.Description = "#4080C0"; });
    Close(*first);

    auto second = Start();
    EXPECT_EQ(second->window.appliedPlacements, (std::vector<TPlacement>{{0, 0, {40, 30, 640, 530}}}));
    EXPECT_EQ(second->window.windowState, TWindowState::Maximized);
    EXPECT_EQ(second->bars.FindItem("barColor1")->Description, "#4080C0");
    EXPECT_EQ(second->bars.FindItem("barColor2")->Description, "#ffffc8");
}

TEST_F(MainWindowStateTest, AnotherPixelsPerInchGivesBackTheCodesOnly) {
    files.files.files[kStateFile] =
        "[TfrmPLUX]\r\nShowCmd=3\r\nNormalPos=10,20,500,400\r\nPixelsPerInch=120\r\n"
        "barColor1.Description=#4080C0\r\nbarColor2.Description=#102030\r\n";
    auto run = Start();
    EXPECT_TRUE(run->window.appliedPlacements.empty());
    EXPECT_FALSE(run->window.windowState.has_value());
    EXPECT_EQ(run->bars.FindItem("barColor1")->Description, "#4080C0");
    EXPECT_EQ(run->bars.FindItem("barColor2")->Description, "#102030");
    EXPECT_EQ(run->errors, TTextList{});
}

TEST_F(MainWindowStateTest, AnUnwritableFileIsReportedAtCloseAndKeepsItsBytes) {
    Close(*Start());
    files.refused.insert(kStateFile);
    auto run = Start();
    run->window.placement.ShowCmd = 3;
    Close(*run);
    EXPECT_EQ(FileText(), kFirstRunFile);
    const std::string error = std::string("Unable to write to ") + kStateFile;
    // Written once for both components, at close; the destruction does not try the file again.
    EXPECT_EQ(run->errors, TTextList{error});
}

TEST_F(MainWindowStateTest, TheExportReadsTheCodesAsTheComponentStateRestoresThem) {
    const struct {
        const char* name;
        const char* content;
        const char* color1;
        const char* color2;
    } cases[] = {
        {"no file", nullptr, "#dcFED6", "#ffffc8"},
        {"stored codes", "[TfrmPLUX]\r\nbarColor1.Description=#4080C0\r\nbarColor2.Description=  #abcdef \r\n",
         "#4080C0", "#abcdef"},
        {"an empty code", "[TfrmPLUX]\r\nbarColor2.Description=\r\n", "#dcFED6", ""},
        {"another section", "[Other]\r\nbarColor1.Description=#000000\r\n", "#dcFED6", "#ffffc8"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        files.files.files.erase(kStateFile);
        if (row.content)
            files.files.files[kStateFile] = row.content;
        const TBandColourCodes codes = StoredBandColourCodes(settings, files, facts);
        EXPECT_EQ(codes.Color1, row.color1);
        EXPECT_EQ(codes.Color2, row.color2);
    }
    EXPECT_EQ(files.writes, 0);
}

}  // namespace
