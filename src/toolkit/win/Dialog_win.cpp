#include "toolkit/win/Dialog_win.h"

#include <algorithm>

#include "toolkit/win/Win32Error_win.h"
#include "toolkit/win/Window_win.h"

namespace {

// An empty template: the window is sized and filled at run time, in pixels.
struct alignas(DWORD) TEmptyTemplate {
    DLGTEMPLATE header{};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

}  // namespace

int TModalDialog::ShowModal(HWND owner, DWORD style) {
    TEmptyTemplate dialogTemplate;
    dialogTemplate.header.style = style;
    dialogTemplate.header.cx = 100;
    dialogTemplate.header.cy = 100;
    initError_ = nullptr;
    shown_ = false;
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.header, owner, DialogProc,
                                                   reinterpret_cast<LPARAM>(this));
    if (initError_)
        std::rethrow_exception(initError_);
    // A dialog ended by EndModal gives a positive result; 0 and -1 say it could not be shown, or that it
    // went with its owner, which is no error.
    if (result <= 0 && !shown_)
        ThrowLastError("DialogBoxIndirectParam");
    return static_cast<int>(std::max<INT_PTR>(result, 0));
}

void TModalDialog::EndModal(int result) {
    EndDialog(handle_, result);
}

void TModalDialog::CentreOverOwner(RECT client) const {
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongA(handle_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE)));
    RECT owner{};
    GetWindowRect(GetWindow(handle_, GW_OWNER), &owner);
    const int width = client.right - client.left, height = client.bottom - client.top;
    SetWindowPos(handle_, nullptr, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2,
                 width, height, SWP_NOZORDER);
}

INT_PTR CALLBACK TModalDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<TModalDialog*>(lParam);
        self->handle_ = dialog;
        self->shown_ = true;
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        try {
            return self->Init() ? TRUE : FALSE;
        } catch (...) {
            self->initError_ = std::current_exception();
            EndDialog(dialog, 0);
            return TRUE;
        }
    }
    auto* self = reinterpret_cast<TModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
        self->handle_ = nullptr;
        return FALSE;
    }
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR TModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        INT_PTR result = FALSE;
        return HandleDialogMessage(message, wParam, lParam, result) ? result : FALSE;
    } catch (const std::exception& error) {
        ReportWindowError(error.what());
    } catch (...) {
        ReportWindowError("Unexpected error");
    }
    return FALSE;
}
