#include "toolkit/win/Dialog_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/RaisedMessage.h"
#include "toolkit/Exception.h"
#include "toolkit/win/Controls_win.h"
#include "toolkit/win/Window_win.h"

namespace {

constexpr int kEditId = 10;
constexpr int kFailId = 11;
constexpr int kDoneId = 12;

std::vector<std::string> reported;

void RecordError(std::string_view message) {
    reported.emplace_back(message);
}

// Builds an edit field; a click on "fail" raises, "done" ends with the edit's text length plus 100.
// The test presses the buttons by posted messages, which the dialog's own loop delivers.
class TProbeDialog final : public TModalDialog {
public:
    std::function<void()> AtInit;
    std::string Text;

private:
    bool Init() override {
        const TControlFactory controls(Handle(), static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        edit_ = controls.Add("EDIT", "typed", WS_TABSTOP, BoundsOf(10, 10, 100, 20), kEditId);
        controls.Add("BUTTON", "fail", BS_PUSHBUTTON, BoundsOf(10, 40, 50, 20), kFailId);
        if (AtInit)
            AtInit();
        PostMessageA(Handle(), WM_COMMAND, kFailId, 0);
        PostMessageA(Handle(), WM_COMMAND, kDoneId, 0);
        return true;
    }

    bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        if (message != WM_COMMAND)
            return false;
        if (LOWORD(wParam) == kFailId)
            throw Exception("The handler failed");
        if (LOWORD(wParam) == kDoneId) {
            Text = WindowText(edit_);
            EndModal(100 + static_cast<int>(Text.size()));
        }
        result = TRUE;
        return true;
    }

    HWND edit_ = nullptr;
};

class ModalDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        reported.clear();
        SetWindowErrorHandler(RecordError);
    }
    void TearDown() override { SetWindowErrorHandler(nullptr); }
};

// A failing handler is reported and the dialog carries on to the end the user gives it.
TEST_F(ModalDialogTest, ReportsAHandlersErrorAndRunsOnToItsResult) {
    TProbeDialog dialog;
    EXPECT_EQ(dialog.ShowModal(nullptr, WS_POPUP | WS_CAPTION), 105);
    EXPECT_EQ(dialog.Text, "typed");
    EXPECT_EQ(reported, std::vector<std::string>{"The handler failed"});
    EXPECT_EQ(dialog.Handle(), nullptr);
}

// A dialog that cannot be built is no dialog: the error reaches the caller, not the report.
TEST_F(ModalDialogTest, RaisesAnErrorOfItsBuildingToTheCaller) {
    TProbeDialog dialog;
    dialog.AtInit = [] { throw Exception("No room for the controls"); };
    EXPECT_EQ(MessageOf([&] { dialog.ShowModal(nullptr, WS_POPUP | WS_CAPTION); }), "No room for the controls");
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(dialog.Handle(), nullptr);
}

}  // namespace
