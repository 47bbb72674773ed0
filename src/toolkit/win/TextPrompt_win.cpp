#include "toolkit/win/TextPrompt_win.h"

#include "toolkit/win/AccessibleName_win.h"
#include "toolkit/win/Controls_win.h"
#include "toolkit/win/Dialog_win.h"

namespace {

constexpr int kFieldId = 100;

class TTextPromptDialog final : public TModalDialog {
public:
    TTextPromptDialog(const TTextPrompt& prompt, std::string text) : prompt_(prompt), text_(std::move(text)) {}

    const std::string& Text() const { return text_; }

private:
    // In dialog units: a label, the field below it, OK and Cancel at the bottom right.
    bool Init() override {
        const TDialogUnits units(prompt_.FontMetrics);
        SetWindowTextA(Handle(), prompt_.Title.c_str());
        CentreOverOwner(units.Bounds(0, 0, 186, 62));

        const TControlFactory controls(Handle(), prompt_.Font);
        controls.Add("STATIC", prompt_.Label, SS_LEFT | SS_NOPREFIX, units.Bounds(7, 7, 172, 8));
        field_ = controls.Add("EDIT", text_, WS_TABSTOP | ES_AUTOHSCROLL, units.Bounds(7, 18, 172, 12), kFieldId,
                              WS_EX_CLIENTEDGE);
        controls.Add("BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, units.Bounds(75, 41, 50, 14), IDOK);
        controls.Add("BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, units.Bounds(129, 41, 50, 14), IDCANCEL);
        SetAccessibleName(field_, prompt_.Label);
        SetFocus(field_);
        SendMessageA(field_, EM_SETSEL, 0, -1);
        return false;
    }

    bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        if (message != WM_COMMAND || (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL))
            return false;
        if (LOWORD(wParam) == IDOK)
            text_ = WindowText(field_);
        EndModal(LOWORD(wParam));
        result = TRUE;
        return true;
    }

    const TTextPrompt& prompt_;
    std::string text_;
    HWND field_ = nullptr;
};

}  // namespace

bool PromptForText(HWND owner, const TTextPrompt& prompt, std::string& text) {
    TTextPromptDialog dialog(prompt, text);
    if (dialog.ShowModal(owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME) != IDOK)
        return false;
    text = dialog.Text();
    return true;
}
