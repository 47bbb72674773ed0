#include "support/MessageDialog.h"

#include <windows.h>

#include <string>
#include <utility>

#include "support/MessageCatalogue.h"
#include "support/MessageDialogLayout.h"
#include "toolkit/win/AccessibleName_win.h"
#include "toolkit/win/Controls_win.h"
#include "toolkit/win/Dialog_win.h"
#include "toolkit/win/FontCache_win.h"
#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

constexpr int kFieldId = 100;
constexpr int kIconId = 101;
constexpr int kLabelId = 102;

RECT ToRect(const TBox& box) {
    return BoundsOf(box.Left, box.Top, box.Width, box.Height);
}

DWORD CharCaseStyle(TCharCase charCase) {
    switch (charCase) {
        case TCharCase::Upper:
            return ES_UPPERCASE;
        case TCharCase::Lower:
            return ES_LOWERCASE;
        default:
            return 0;
    }
}

class TMessageDialog final : public TModalDialog {
public:
    TMessageDialog(const TMessageDialogLayout& layout, HFONT font, std::string answer)
        : layout_(layout), font_(font), answer_(std::move(answer)) {}

    // The confirmed answer after the dialog ended; empty unless confirmed.
    const std::string& Answer() const { return answer_; }

private:
    // Controls are made in tab order: the field, then the buttons; the label and icon take no focus.
    bool Init() override {
        SetWindowTextA(Handle(), layout_.Caption.c_str());
        const TBox window =
            CentredOn(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), layout_.Width, layout_.Height);
        SetWindowPos(Handle(), nullptr, window.Left, window.Top, window.Width, window.Height, SWP_NOZORDER);
        const TControlFactory controls(Handle(), font_);

        if (layout_.HasAnswerField || layout_.HasPasswordField) {
            const DWORD style = WS_TABSTOP | ES_AUTOHSCROLL |
                                (layout_.HasPasswordField ? ES_PASSWORD : CharCaseStyle(layout_.CharCase));
            field_ = controls.Add("EDIT", "", style, ToRect(layout_.Answer.Bounds), kFieldId, WS_EX_CLIENTEDGE);
            SendMessageA(field_, EM_LIMITTEXT, static_cast<WPARAM>(layout_.Answer.MaxLength), 0);
            if (layout_.HasPasswordField)
                SendMessageA(field_, EM_SETPASSWORDCHAR, '*', 0);
            else
                SetWindowTextA(field_, answer_.c_str());
        }
        const HWND icon = controls.Add("STATIC", "", SS_ICON, ToRect(layout_.Icon), kIconId);
        SendMessageA(icon, STM_SETICON,
                     reinterpret_cast<WPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(static_cast<WORD>(layout_.IconId)))),
                     0);
        // Setting the icon shrinks the control to the icon's size; the image area keeps its own size and
        // shows the icon at its top-left corner.
        SetWindowPos(icon, nullptr, 0, 0, layout_.Icon.Width, layout_.Icon.Height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        controls.Add("STATIC", layout_.Text, SS_LEFT, ToRect(layout_.Label), kLabelId);
        HWND defaultButton = nullptr;
        for (const TDialogButton& button : layout_.Buttons) {
            const DWORD style = WS_TABSTOP | (button.IsDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            const HWND control = controls.Add("BUTTON", button.Text, style, ToRect(button.Bounds), button.ModalResult);
            if (button.IsDefault) {
                SendMessageA(Handle(), DM_SETDEFID, static_cast<WPARAM>(button.ModalResult), 0);
                defaultButton = control;
            }
        }
        // The field comes before its label, so the system would find no name for it: the label names it.
        if (field_) {
            SetAccessibleName(field_, layout_.Text);
            SetFocus(field_);
            SendMessageA(field_, EM_SETSEL, 0, -1);
        } else if (defaultButton) {
            SetFocus(defaultButton);
        } else {
            return true;  // the first button
        }
        return false;
    }

    bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        switch (message) {
            case WM_COMMAND:
                // Enter and Escape arrive as the default button's id and IDCANCEL; IDCANCEL counts only
                // where a Cancel button exists.
                if (HIWORD(wParam) != BN_CLICKED || !HasButton(LOWORD(wParam)))
                    return false;
                Finish(LOWORD(wParam));
                break;
            case WM_CLOSE:  // the close box counts as Cancel
                Finish(kResultCancel);
                break;
            default:
                return false;
        }
        result = TRUE;
        return true;
    }

    bool HasButton(int id) const {
        for (const TDialogButton& button : layout_.Buttons)
            if (button.ModalResult == id)
                return true;
        return false;
    }

    void Finish(int result) {
        const bool confirmed = result == kResultOk || result == kResultYes;
        answer_ = confirmed && field_ ? WindowText(field_) : std::string();
        EndModal(result);
    }

    const TMessageDialogLayout& layout_;
    HFONT font_;
    std::string answer_;    // in: the proposed text; out: the confirmed one
    HWND field_ = nullptr;  // the answer or password field, when the type has one
};

}  // namespace

int ShowMessageDialog(std::uint8_t type, std::string& answer) {
    const TWindowDC screen(nullptr);
    const TGdiTextMeasure measure(screen.Get());
    const TMessageDialogLayout layout = LayoutMessageDialog(type, MessageInfo(), measure);
    TFontCache fonts;
    TMessageDialog dialog(layout, fonts.Get(MessageDialogFont()), answer);
    if (layout.Beep != 0)
        MessageBeep(layout.Beep);
    answer.clear();
    const int result = dialog.ShowModal(GetActiveWindow(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
    answer = dialog.Answer();
    return result;
}

bool AskInput(std::int32_t number, std::string& answer, bool keepAnswer) {
    return AskInputWith(ShowMessageDialog, number, answer, keepAnswer);
}
