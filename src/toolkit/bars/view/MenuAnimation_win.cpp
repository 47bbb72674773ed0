#include "toolkit/bars/view/MenuAnimation_win.h"

#include <commctrl.h>

namespace {

constexpr DWORD kAnimationMilliseconds = 150;
constexpr const char* kMenuWindowClass = "#32768";
constexpr UINT_PTR kSubclassId = 1;
// Posted to the menu's window once the menu has tried to show it.
constexpr UINT kAnimate = WM_APP + 0x31;

// The animation of the menu that opens now; a hook procedure gets nothing else to find it by.
thread_local DWORD animationFlags = 0;

DWORD AnimationFlags(TMenuAnimations animation) {
    switch (animation) {
        case TMenuAnimations::Unfold:
            return AW_SLIDE | AW_HOR_POSITIVE | AW_VER_POSITIVE;
        case TMenuAnimations::Slide:
            return AW_SLIDE | AW_VER_POSITIVE;
        case TMenuAnimations::Fade:
            return AW_BLEND;
        case TMenuAnimations::None:
        case TMenuAnimations::Random:
            break;
    }
    return 0;
}

// The menu shows its window with one SetWindowPos; that step places it but leaves it hidden, and the
// animation shows it once the menu's loop runs.
LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR flags) {
    switch (message) {
        case WM_WINDOWPOSCHANGING: {
            auto& position = *reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(position.flags & SWP_SHOWWINDOW) || IsWindowVisible(window))
                break;
            position.flags &= ~SWP_SHOWWINDOW;
            PostMessageA(window, kAnimate, 0, 0);
            break;
        }
        case kAnimate:
            RemoveWindowSubclass(window, MenuWindowProc, kSubclassId);
            // Shown at once when the animation cannot play, so that the menu never stays hidden.
            if (!IsWindowVisible(window) && !AnimateWindow(window, kAnimationMilliseconds, static_cast<DWORD>(flags)))
                ShowWindow(window, SW_SHOWNA);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, MenuWindowProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK WatchMenuWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && animationFlags != 0) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        if (GetClassNameA(window, className, sizeof className) && lstrcmpA(className, kMenuWindowClass) == 0)
            SetWindowSubclass(window, MenuWindowProc, kSubclassId, animationFlags);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool SystemAnimatesMenus() {
    BOOL animates = FALSE;
    return SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &animates, 0) && animates;
}

TMenuAnimation::TMenuAnimation(TMenuAnimations animation) {
    animationFlags = AnimationFlags(animation);
    if (animationFlags != 0)
        hook_.Reset(SetWindowsHookExA(WH_CBT, WatchMenuWindows, nullptr, GetCurrentThreadId()));
}

TMenuAnimation::~TMenuAnimation() {
    animationFlags = 0;
}
