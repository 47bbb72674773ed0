#ifndef PLUX_TOOLKIT_BARS_VIEW_MENUANIMATION_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_MENUANIMATION_WIN_H

#include <windows.h>

#include "toolkit/bars/model/MenuAnimation.h"
#include "toolkit/win/Handles_win.h"

// True when the user's system settings animate menus.
bool SystemAnimatesMenus();

// Plays a menu animation on the drop-down menu that this thread opens while the object lives: the
// menu's window is kept hidden when the menu shows it, and the system's window animation brings it up
// instead. Open the menu with kTrackFlags, so that the system does not animate it a second time.
class TMenuAnimation {
public:
    static constexpr UINT kTrackFlags = TPM_NOANIMATION;

    explicit TMenuAnimation(TMenuAnimations animation);
    ~TMenuAnimation();
    TMenuAnimation(const TMenuAnimation&) = delete;
    TMenuAnimation& operator=(const TMenuAnimation&) = delete;

private:
    TScopedHook hook_;
};

#endif
