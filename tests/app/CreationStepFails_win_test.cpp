#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorBoxCatcher_win.h"
#include "support/MainWindowRig_win.h"
#include "toolkit/html/HtmlView_win.h"

// A creation step that raises leaves a window whose commands all work: here the first step, which
// reads the program's version for the status bar, fails, and Ctrl+E then checks the products and
// shows the report.

namespace {

class CreationStepFailsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(errorBoxes_.Hooked()); }

    void Pump() { TMainWindowRig::Pump(window_); }

    void PressCtrlE(HWND target) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageA(target, WM_KEYDOWN, 'E', 1);
        PostMessageA(target, WM_KEYUP, 'E', 0xC0000001);
        Pump();
        BYTE released[256] = {};
        SetKeyboardState(released);
    }

    // The report view of the window; every window of the toolkit keeps its object in its user data.
    static const THtmlView* FindReportView(HWND parent) {
        const THtmlView* found = nullptr;
        EnumChildWindows(
            parent,
            [](HWND child, LPARAM data) -> BOOL {
                char className[32] = {};
                GetClassNameA(child, className, sizeof className);
                if (std::string(className) != "THtmlView")
                    return TRUE;
                *reinterpret_cast<const THtmlView**>(data) =
                    dynamic_cast<const THtmlView*>(reinterpret_cast<TWindow*>(GetWindowLongPtrA(child, GWLP_USERDATA)));
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    TMainWindowRig rig_;
    TErrorBoxCatcher errorBoxes_;
    TfrmPLUX window_;
};

TEST_F(CreationStepFailsTest, CtrlEShowsTheReportInTheWindowOfAFailedCreationStep) {
    rig_.version.unreadable = true;
    window_.Create(nullptr, SW_SHOWNOACTIVATE);
    Pump();
    ASSERT_EQ(errorBoxes_.Texts(), std::vector<std::string>{"File does not contain version info."});
    const THtmlView* view = FindReportView(window_.Handle());
    ASSERT_NE(view, nullptr);
    ASSERT_FALSE(view->HasDocument());

    PressCtrlE(view->Handle());

    EXPECT_TRUE(view->HasDocument());
    EXPECT_EQ(errorBoxes_.Texts().size(), 1u) << errorBoxes_.Texts().back();
}

}  // namespace
