#ifndef PLUX_TESTS_SUPPORT_ERRORBOXCATCHER_WIN_H
#define PLUX_TESTS_SUPPORT_ERRORBOXCATCHER_WIN_H

#include <windows.h>

#include <string>
#include <vector>

// While it lives, every message box of this thread is closed as soon as it has set itself up, which a
// test could not wait for; Texts() holds what the boxes said, in order.
class TErrorBoxCatcher {
public:
    TErrorBoxCatcher() : hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, CloseBox, nullptr, GetCurrentThreadId())) {
        Texts().clear();
    }
    ~TErrorBoxCatcher() {
        if (hook_)
            UnhookWindowsHookEx(hook_);
    }
    TErrorBoxCatcher(const TErrorBoxCatcher&) = delete;
    TErrorBoxCatcher& operator=(const TErrorBoxCatcher&) = delete;

    bool Hooked() const { return hook_ != nullptr; }
    static std::vector<std::string>& Texts() {
        static std::vector<std::string> texts;
        return texts;
    }

private:
    static LRESULT CALLBACK CloseBox(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_INITDIALOG) {
            char text[512] = {};
            GetDlgItemTextA(call->hwnd, 0xFFFF, text, sizeof text);
            Texts().push_back(text);
            PostMessageA(call->hwnd, WM_COMMAND, IDCANCEL, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_ = nullptr;
};

#endif
