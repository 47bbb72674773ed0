#include "support/MessageDialog.h"

#include <windows.h>

#include <string>
#include <utility>

#include "support/MessageCatalogue.h"
#include "support/MessageDialogLayout.h"
#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

struct TDialogState {
    const TMessageDialogLayout* layout = nullptr;
    std::string answer;  // in: the proposed text; out: the confirmed one
    HFONT font = nullptr;
    HWND field = nullptr;  // the answer or password field, when the type has one
};

HWND AddControl(HWND dialog,
                const TDialogState& state,
                const char* windowClass,
                const char* text,
                DWORD style,
                DWORD exStyle,
                const TBox& box,
                int id) {
    const HWND control = CreateWindowExA(
        exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, box.Left, box.Top, box.Width, box.Height, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (control != nullptr)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    return control;
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

// Controls are made in tab order: the field, then the buttons; the label and icon take no focus.
// Returns whether the dialog manager should set the focus itself.
BOOL BuildControls(HWND dialog, TDialogState& state) {
    const TMessageDialogLayout& layout = *state.layout;
    SetWindowTextA(dialog, layout.Caption.c_str());
    const TBox window =
        CentredOn(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), layout.Width, layout.Height);
    SetWindowPos(dialog, nullptr, window.Left, window.Top, window.Width, window.Height, SWP_NOZORDER);

    if (layout.HasAnswerField || layout.HasPasswordField) {
        const DWORD style =
            WS_TABSTOP | ES_AUTOHSCROLL | (layout.HasPasswordField ? ES_PASSWORD : CharCaseStyle(layout.CharCase));
        state.field = AddControl(dialog, state, "EDIT", "", style, WS_EX_CLIENTEDGE, layout.Answer.Bounds, 100);
        SendMessageA(state.field, EM_LIMITTEXT, static_cast<WPARAM>(layout.Answer.MaxLength), 0);
        if (layout.HasPasswordField) {
            SendMessageA(state.field, EM_SETPASSWORDCHAR, '*', 0);
        } else {
            SetWindowTextA(state.field, state.answer.c_str());
        }
    }
    const HWND icon = AddControl(dialog, state, "STATIC", "", SS_ICON, 0, layout.Icon, 101);
    SendMessageA(icon, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(static_cast<WORD>(layout.IconId)))), 0);
    // Setting the icon shrinks the control to the icon's size; the image area keeps its own size and
    // shows the icon at its top-left corner.
    SetWindowPos(icon, nullptr, 0, 0, layout.Icon.Width, layout.Icon.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    AddControl(dialog, state, "STATIC", layout.Text.c_str(), SS_LEFT, 0, layout.Label, 102);
    for (const TDialogButton& button : layout.Buttons) {
        const DWORD style = WS_TABSTOP | (button.IsDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        AddControl(dialog, state, "BUTTON", button.Text.c_str(), style, 0, button.Bounds, button.ModalResult);
        if (button.IsDefault)
            SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(button.ModalResult), 0);
    }
    if (state.field == nullptr)
        return TRUE;
    SetFocus(state.field);
    SendMessageA(state.field, EM_SETSEL, 0, -1);
    return FALSE;
}

void Finish(HWND dialog, TDialogState& state, int result) {
    const bool confirmed = result == kResultOk || result == kResultYes;
    state.answer.clear();
    if (confirmed && state.field != nullptr) {
        const int length = GetWindowTextLengthA(state.field);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(state.field, text.data(), length + 1)));
        state.answer = std::move(text);
    }
    EndDialog(dialog, result);
}

bool HasButton(const TMessageDialogLayout& layout, int id) {
    for (const TDialogButton& button : layout.Buttons) {
        if (button.ModalResult == id)
            return true;
    }
    return false;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<TDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            return BuildControls(dialog, *reinterpret_cast<TDialogState*>(lParam));
        case WM_COMMAND:
            // Enter and Escape arrive as the default button's id and IDCANCEL; IDCANCEL counts only
            // where a Cancel button exists.
            if (state != nullptr && HIWORD(wParam) == BN_CLICKED && HasButton(*state->layout, LOWORD(wParam))) {
                Finish(dialog, *state, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:  // the close box counts as Cancel
            if (state != nullptr)
                Finish(dialog, *state, kResultCancel);
            return TRUE;
        default:
            return FALSE;
    }
}

// An empty template: the window is sized and filled at run time, in pixels.
struct alignas(DWORD) TEmptyTemplate {
    DLGTEMPLATE header{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, 0, 0, 0, 100, 100};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

}  // namespace

int ShowMessageDialog(std::uint8_t type, std::string& answer) {
    const TWindowDC screen(nullptr);
    const TGdiTextMeasure measure(screen.Get());
    const TMessageDialogLayout layout = LayoutMessageDialog(type, MessageInfo(), measure);
    TFontCache fonts;
    TDialogState state;
    state.layout = &layout;
    state.answer = answer;
    state.font = fonts.Get(MessageDialogFont());
    if (layout.Beep != 0)
        MessageBeep(layout.Beep);
    const TEmptyTemplate dialogTemplate;
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.header, GetActiveWindow(),
                                                   DialogProc, reinterpret_cast<LPARAM>(&state));
    // A dialog that could not be shown answers like a cancelled one.
    if (result <= 0) {
        answer.clear();
        return kResultCancel;
    }
    answer = state.answer;
    return static_cast<int>(result);
}

bool AskInput(std::int32_t number, std::string& answer, bool keepAnswer) {
    return AskInputWith(ShowMessageDialog, number, answer, keepAnswer);
}
