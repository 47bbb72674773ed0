#ifndef PLUX_TOOLKIT_BARS_VIEW_MENUBARKEYS_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_MENUBARKEYS_WIN_H

#include <windows.h>

#include "toolkit/bars/model/MenuKeys.h"

class TBarWindow;

// The menu keys (MenuKeys.h) of a menu bar's window, fed from the message loop before any window gets
// the keys.
class TMenuBarKeys final : private TMenuKeysBar {
public:
    explicit TMenuBarKeys(TBarWindow& menuBar) : menuBar_(menuBar), keys_(*this) {}
    // True when the message was a menu key and must not be dispatched.
    bool PreTranslate(const MSG& message);

private:
    bool Shown() const override;
    int PlaceCount() const override;
    int PlaceWithAccessKey(char key) const override;
    int KeyboardHot() const override;
    void SetKeyboardHot(int place) override;
    bool OpenMenu(int place) override;

    TBarWindow& menuBar_;
    TMenuKeys keys_;
};

#endif
