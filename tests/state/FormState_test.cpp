#include "state/FormState.h"

#include <gtest/gtest.h>

#include "support/FakeFormWindow.h"
#include "support/StateFileRig.h"

namespace {

// A form state on the fake window.
struct TFormStateRig : TStateFileRig {
    explicit TFormStateRig(const char* content) : TStateFileRig(content) { Attach(state); }

    TFakeFormWindow window;
    TFormState state{window};
};

TEST(ParseNormalPos, SplitsAtRunsOfCommasAndBlanksAndFallsBackWordByWord) {
    const TRect current{227, 114, 923, 594};
    const struct {
        const char* text;
        TRect rect;
    } cases[] = {
        {"10,20,500,400", {10, 20, 500, 400}},
        {"10 20 500 400", {10, 20, 500, 400}},
        {"10,,20", {10, 20, 923, 594}},
        {" ,10 , 20,, ,500 400,", {10, 20, 500, 400}},
        {"10,20", {10, 20, 923, 594}},
        {"", {227, 114, 923, 594}},
        {"x,20,5.5,400", {227, 20, 923, 400}},
        {"-8,-8,1288,1032", {-8, -8, 1288, 1032}},
        {"1,2,3,4,5", {1, 2, 3, 4}},
        {"10;20,30,40", {227, 30, 40, 594}},
        {"99999999999,20,30,40", {227, 20, 30, 40}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParseNormalPos(row.text, current), row.rect);
    }
}

TEST(WindowStateOfShowCmd, TwoAndSixMinimiseThreeMaximisesTheRestIsNormal) {
    const TWindowState expected[] = {TWindowState::Normal,    TWindowState::Normal, TWindowState::Minimized,
                                     TWindowState::Maximized, TWindowState::Normal, TWindowState::Normal,
                                     TWindowState::Minimized, TWindowState::Normal, TWindowState::Normal,
                                     TWindowState::Normal};
    for (int showCmd = 0; showCmd <= 9; ++showCmd) {
        SCOPED_TRACE(showCmd);
        EXPECT_EQ(WindowStateOfShowCmd(showCmd), expected[showCmd]);
    }
    EXPECT_EQ(WindowStateOfShowCmd(-1), TWindowState::Normal);
}

TEST(FormStateRestore, DecidesWhatIsAppliedFromTheStoredKeys) {
    const std::optional<TPlacement> none;
    const std::optional<TWindowState> noState;
    struct TCase {
        const char* name;
        const char* content;
        std::optional<TPlacement> applied;
        std::optional<TWindowState> state;
        bool applicationMinimized = false;
        bool updated = false;
        unsigned options = fsState | fsPosition;
        bool sizeable = true;
        bool mainWindow = true;
    };
    const TCase cases[] = {
        {"no file", nullptr, none, noState},
        {"another section only", "[Other]\r\nNormalPos=1,2,3,4\r\nShowCmd=3\r\n", none, noState},
        {"stored rectangle and state", "[TfrmPLUX]\r\nFlags=2\r\nShowCmd=3\r\nNormalPos=10,20,500,400\r\n",
         TPlacement{2, 0, {10, 20, 500, 400}}, TWindowState::Maximized, false, true},
        {"other pixels per inch", "[TfrmPLUX]\r\nShowCmd=3\r\nNormalPos=10,20,500,400\r\nPixelsPerInch=120\r\n", none,
         noState},
        {"invalid pixels per inch counts as the current",
         "[TfrmPLUX]\r\nNormalPos=10,20,500,400\r\nPixelsPerInch=many\r\n", TPlacement{0, 0, {10, 20, 500, 400}},
         TWindowState::Normal, false, true},
        {"no rectangle: no state either", "[TfrmPLUX]\r\nFlags=2\r\nShowCmd=3\r\nPixelsPerInch=96\r\n", none, noState},
        {"empty rectangle: no state either", "[TfrmPLUX]\r\nShowCmd=3\r\nNormalPos=\r\n", none, noState},
        {"invalid flags keep the current ones", "[TfrmPLUX]\r\nFlags=two\r\nNormalPos=10,20,500,400\r\n",
         TPlacement{0, 0, {10, 20, 500, 400}}, TWindowState::Normal, false, true},
        {"invalid show command is normal", "[TfrmPLUX]\r\nShowCmd=max\r\nNormalPos=10,20,500,400\r\n",
         TPlacement{0, 0, {10, 20, 500, 400}}, TWindowState::Normal, false, true},
        {"right not greater than left: state only", "[TfrmPLUX]\r\nShowCmd=3\r\nNormalPos=500,20,500,400\r\n", none,
         TWindowState::Maximized, false, true},
        {"fixed border keeps the size", "[TfrmPLUX]\r\nNormalPos=10,20,30,40\r\n", TPlacement{0, 0, {10, 20, 706, 500}},
         TWindowState::Normal, false, true, fsState | fsPosition, false},
        {"no-size option keeps the size", "[TfrmPLUX]\r\nNormalPos=10,20,30,40\r\n",
         TPlacement{0, 0, {10, 20, 706, 500}}, TWindowState::Normal, false, true, fsState | fsPosition | fsNoSize},
        {"minimised main window minimises the application", "[TfrmPLUX]\r\nShowCmd=2\r\nNormalPos=10,20,500,400\r\n",
         TPlacement{0, 0, {10, 20, 500, 400}}, noState, true, false},
        {"show command 6 as well", "[TfrmPLUX]\r\nShowCmd=6\r\nNormalPos=10,20,500,400\r\n",
         TPlacement{0, 0, {10, 20, 500, 400}}, noState, true, false},
        {"minimised other window", "[TfrmPLUX]\r\nShowCmd=2\r\nNormalPos=10,20,500,400\r\n",
         TPlacement{0, 0, {10, 20, 500, 400}}, TWindowState::Minimized, false, true, fsState | fsPosition, true, false},
        {"state only: no rectangle needed", "[TfrmPLUX]\r\nShowCmd=3\r\n", none, TWindowState::Maximized, false, true,
         fsState},
        {"position only", "[TfrmPLUX]\r\nShowCmd=3\r\nNormalPos=10,20,500,400\r\n",
         TPlacement{0, 0, {10, 20, 500, 400}}, noState, false, true, fsPosition},
        {"neither option", "[TfrmPLUX]\r\nShowCmd=3\r\nNormalPos=10,20,500,400\r\n", none, noState, false, false,
         fsColor | fsActiveControl | fsDefaultMonitor},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TFormStateRig rig(row.content);
        rig.window.placement.ShowCmd = 1;
        rig.window.sizeable = row.sizeable;
        rig.window.mainWindow = row.mainWindow;
        rig.state.Options = row.options;
        rig.state.Restore();
        EXPECT_EQ(rig.window.appliedPlacements,
                  row.applied ? std::vector<TPlacement>{*row.applied} : std::vector<TPlacement>{});
        EXPECT_EQ(rig.window.windowState, row.state);
        EXPECT_EQ(rig.window.applicationMinimized, row.applicationMinimized);
        EXPECT_EQ(rig.window.updates, row.updated ? 1 : 0);
        EXPECT_EQ(rig.files.writes, 0);
    }
}

TEST(FormStateSave, WritesAllFiveKeysAndShowCommandTwoWhileTheApplicationIsMinimised) {
    struct TCase {
        const char* name;
        TPlacement placement;
        bool applicationIconic;
        bool mainWindow;
        const char* file;
    } cases[] = {
        {"normal",
         {0, 1, {227, 114, 923, 594}},
         false,
         true,
         "[TfrmPLUX]\r\nFlags=0\r\nShowCmd=1\r\nNormalPos=227,114,923,594\r\nPixelsPerInch=96\r\nColor=16777215\r\n"},
        {"maximised",
         {2, 3, {10, -20, 500, 400}},
         false,
         true,
         "[TfrmPLUX]\r\nFlags=2\r\nShowCmd=3\r\nNormalPos=10,-20,500,400\r\nPixelsPerInch=96\r\nColor=16777215\r\n"},
        {"application minimised",
         {0, 1, {10, 20, 500, 400}},
         true,
         true,
         "[TfrmPLUX]\r\nFlags=0\r\nShowCmd=2\r\nNormalPos=10,20,500,400\r\nPixelsPerInch=96\r\nColor=16777215\r\n"},
        {"not the main window",
         {0, 1, {10, 20, 500, 400}},
         true,
         false,
         "[TfrmPLUX]\r\nFlags=0\r\nShowCmd=1\r\nNormalPos=10,20,500,400\r\nPixelsPerInch=96\r\nColor=16777215\r\n"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TFormStateRig rig(nullptr);
        rig.state.Options = 0;  // the save writes every key whatever the options
        rig.state.Restore();
        rig.window.placement = row.placement;
        rig.window.applicationIconic = row.applicationIconic;
        rig.window.mainWindow = row.mainWindow;
        rig.state.Save();
        EXPECT_EQ(rig.FileText(), row.file);
        EXPECT_EQ(rig.files.writes, 1);
    }
}

TEST(FormStateSave, LaterSavesReplaceTheValuesInPlaceAndKeepOtherLines) {
    TFormStateRig rig("; mine\r\n[TfrmPLUX]\r\nbarColor1.Description=#102030\r\nShowCmd=3\r\n\r\n[Other]\r\nk=v\r\n");
    rig.state.Restore();
    rig.state.Save();
    EXPECT_EQ(rig.FileText(),
              "; mine\r\n[TfrmPLUX]\r\nbarColor1.Description=#102030\r\nShowCmd=1\r\nFlags=0\r\n"
              "NormalPos=227,114,923,594\r\nPixelsPerInch=96\r\nColor=16777215\r\n\r\n[Other]\r\nk=v\r\n");
}

TEST(FormStateSave, NothingIsWrittenBeforeARestore) {
    TFormStateRig rig(nullptr);
    rig.state.Save();
    EXPECT_FALSE(rig.state.Saved());
    EXPECT_EQ(rig.files.writes, 0);
}

}  // namespace
