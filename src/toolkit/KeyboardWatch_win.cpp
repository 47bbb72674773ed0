#include "toolkit/KeyboardWatch_win.h"

#include <exception>

#include "toolkit/win/Window_win.h"

// A hook that cannot be set leaves the program working: the lock panels then show the key state of
// their latest painting.
TKeyboardWatch::TKeyboardWatch() : hook_(SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, nullptr, GetCurrentThreadId())) {}

TKeyboardWatch::~TKeyboardWatch() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
}

// The event goes on to the next hook first. Inside the hook the key state is the old one on the press
// and the new one on the release, so the panel is right by the time the key is up.
LRESULT CALLBACK TKeyboardWatch::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code < 0)
        return result;
    try {
        if (const TStatusBarList* bars = TStatusBarList::Live())
            bars->KeyEvent(static_cast<int>(wParam));
    } catch (const std::exception& error) {
        ReportWindowError(error.what());
    }
    return result;
}
