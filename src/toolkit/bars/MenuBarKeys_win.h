#ifndef PLUX_TOOLKIT_BARS_MENUBARKEYS_WIN_H
#define PLUX_TOOLKIT_BARS_MENUBARKEYS_WIN_H

#include <windows.h>

class TBarWindow;

// Keyboard access to the menu bar, seen in the message loop before any window gets the keys, so it
// works wherever the focus is: Alt pressed and released alone, or F10, highlights the first menu; then
// Left and Right move, Enter, Up and Down open, Escape leaves, a letter opens the menu with that access
// key. Alt with an access key opens that menu at once. Escape in a menu opened so highlights it in the
// bar again. While the bar is not active, other keys pass on.
class TMenuBarKeys {
public:
    explicit TMenuBarKeys(TBarWindow& menuBar) : menuBar_(menuBar) {}
    // True when the message was a menu key and must not be dispatched.
    bool PreTranslate(const MSG& message);

private:
    // True when the key moved, opened or left the bar.
    bool HandleActiveKey(const MSG& message);
    void Enter(int place = 0);
    void Leave();
    bool OpenByAccessKey(char key);
    void OpenMenu(int place);

    TBarWindow& menuBar_;
    bool altPending_ = false;
    bool active_ = false;
};

#endif
