#ifndef PLUX_TOOLKIT_WIN_FOCUSMEMORY_WIN_H
#define PLUX_TOOLKIT_WIN_FOCUSMEMORY_WIN_H

#include <windows.h>

// The keyboard focus of a top-level window across its deactivation: the focused child is noted when
// the window loses the activation (to a dialog, a message box, another program, a minimise), and gets
// the focus back when the window is activated or focused again. The window hands its WM_ACTIVATE and
// WM_SETFOCUS to HandleMessage first.
class TFocusMemory {
public:
    // True when the message is answered; otherwise it goes on to the default handling.
    bool HandleMessage(HWND window, UINT message, WPARAM wParam);

private:
    void Remember(HWND window);
    bool Restore(HWND window) const;

    HWND lastFocus_ = nullptr;
};

#endif
