#ifndef PLUX_TOOLKIT_KEYBOARDWATCH_WIN_H
#define PLUX_TOOLKIT_KEYBOARDWATCH_WIN_H

#include <windows.h>

#include "toolkit/StatusBarList.h"

// The keyboard watch of the user-interface thread, one per process, made at program start before any
// window exists and ended at program end. While it lives, the list of live status bars exists and a
// thread keyboard hook hands every key press and release of the thread to it, so the lock panels
// follow their keys without polling.
class TKeyboardWatch {
public:
    TKeyboardWatch();
    ~TKeyboardWatch();
    TKeyboardWatch(const TKeyboardWatch&) = delete;
    TKeyboardWatch& operator=(const TKeyboardWatch&) = delete;

private:
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);

    TStatusBarList bars_;
    HHOOK hook_ = nullptr;
};

#endif
