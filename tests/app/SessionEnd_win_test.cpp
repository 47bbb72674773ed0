#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/ErrorBoxCatcher_win.h"
#include "support/FileSystem.h"
#include "support/MainWindowRig_win.h"
#include "support/ProgSettings.h"

// Log off, shut down and restart: after WM_ENDSESSION the system ends the program without a close, so
// the window saves there what its close and destruction save; a close that still comes saves nothing
// again and shows nothing again.

namespace {

class SessionEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(errorBoxes_.Hooked());
        stateFile_ = ProgSettings()->FormStateFileName("frmPLUX");
        layoutFile_ = ProgSettings()->BarLayoutFileName("frmPLUX");
        window_.Create(nullptr, SW_SHOWNOACTIVATE);
        TMainWindowRig::Pump(window_);
    }

    LRESULT Send(UINT message, WPARAM wParam) {
        const LRESULT result = SendMessageA(window_.Handle(), message, wParam, ENDSESSION_LOGOFF);
        TMainWindowRig::Pump(window_);
        return result;
    }

    void Close() {
        const HWND handle = window_.Handle();
        Send(WM_CLOSE, 0);
        EXPECT_FALSE(IsWindow(handle));
    }

    static std::string Read(const std::string& path) { return PlatformFileSystem().ReadFile(path).value_or(""); }

    TMainWindowRig rig_;
    TErrorBoxCatcher errorBoxes_;
    std::string stateFile_;
    std::string layoutFile_;
    TfrmPLUX window_;
};

TEST_F(SessionEndTest, TheEndOfTheSessionSavesOnceWhatTheCloseWould) {
    SetWindowPos(window_.Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Send(WM_QUERYENDSESSION, 0), TRUE);
    Send(WM_ENDSESSION, FALSE);
    EXPECT_EQ(Read(stateFile_), "") << "an end of the session that was called off saves nothing";
    Send(WM_ENDSESSION, TRUE);
    EXPECT_NE(Read(stateFile_).find("\r\nNormalPos=300,200,"), std::string::npos) << Read(stateFile_);
    EXPECT_NE(Read(layoutFile_).find("\r\nBarCount=3\r\n"), std::string::npos);

    DeleteFileA(stateFile_.c_str());
    DeleteFileA(layoutFile_.c_str());
    Send(WM_ENDSESSION, TRUE);
    Close();
    EXPECT_FALSE(PlatformFileSystem().FileExists(stateFile_)) << "the state was saved again";
    EXPECT_FALSE(PlatformFileSystem().FileExists(layoutFile_)) << "the bar layout was saved again";
    EXPECT_TRUE(errorBoxes_.Texts().empty());
}

// A box would hold up the end of the session, which ends the program all the same.
TEST_F(SessionEndTest, AFileThatCannotBeWrittenShowsNoBoxThenOrAtTheClose) {
    const std::string old = "[TfrmPLUX]\r\nShowCmd=1\r\n";
    ASSERT_TRUE(PlatformFileSystem().WriteFile(stateFile_, old));
    ASSERT_TRUE(SetFileAttributesA(stateFile_.c_str(), FILE_ATTRIBUTE_READONLY));
    Send(WM_ENDSESSION, TRUE);
    Close();
    EXPECT_TRUE(errorBoxes_.Texts().empty()) << errorBoxes_.Texts().front();
    SetFileAttributesA(stateFile_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Read(stateFile_), old);
}

}  // namespace
