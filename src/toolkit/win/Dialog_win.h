#ifndef PLUX_TOOLKIT_WIN_DIALOG_WIN_H
#define PLUX_TOOLKIT_WIN_DIALOG_WIN_H

// A modal dialog built at run time, without a resource: the object and its window are linked at
// WM_INITDIALOG, where Init() builds the controls, and cut when the window goes. ShowModal() runs the
// dialog until EndModal() and returns the result given there. An error that escapes Init() ends the
// dialog and is raised again by ShowModal(); one that escapes a later message goes to the application's
// error report (ReportWindowError) and the dialog stays open, as a window's would.

#include <windows.h>

#include <exception>

class TModalDialog {
public:
    TModalDialog() = default;
    TModalDialog(const TModalDialog&) = delete;
    TModalDialog& operator=(const TModalDialog&) = delete;
    virtual ~TModalDialog() = default;

    // Runs the dialog owned by `owner` in the window style `style`; raises an exception when it cannot.
    // Returns 0 when the dialog went with its owner before it ended.
    int ShowModal(HWND owner, DWORD style);
    HWND Handle() const { return handle_; }

protected:
    // Builds the controls. Returns true when the dialog manager is to put the focus on the first control
    // that takes it, false when Init() has put it somewhere itself.
    virtual bool Init() = 0;
    // One message after WM_INITDIALOG; true when handled, `result` is then the dialog procedure's answer.
    virtual bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) = 0;
    // Ends the dialog; ShowModal() returns `result`, which must be positive.
    void EndModal(int result);
    // Sizes the window for a client area of `client`'s size and centres it over its owner.
    void CentreOverOwner(RECT client) const;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    std::exception_ptr initError_;
    bool shown_ = false;
};

#endif
