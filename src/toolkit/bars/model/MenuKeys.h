#ifndef PLUX_TOOLKIT_BARS_MODEL_MENUKEYS_H
#define PLUX_TOOLKIT_BARS_MODEL_MENUKEYS_H

// Keyboard access to a menu bar, fed every key message before any window gets it, so that it works
// wherever the focus is: Alt pressed and released alone, or F10, highlights the first menu; then Left
// and Right move, Enter, Up and Down open, Escape leaves, a letter opens the menu with that access key.
// Alt with an access key opens that menu at once. Escape in a menu opened so highlights it in the bar
// again. A click leaves the bar. While the bar is not active, other keys pass on.

#include "toolkit/bars/model/KeyCodes.h"

// A key message as the message loop sees it: a key's press or release (with Alt held: a system key),
// a character (with Alt: a system character), or a mouse button going down.
enum class TKeyMessage { SysKeyDown, SysKeyUp, SysChar, KeyDown, KeyUp, Char, ButtonDown };

struct TKeyInput {
    TKeyMessage Message = TKeyMessage::KeyDown;
    int Key = 0;  // the virtual-key code, or the character
    bool Repeat = false;
    bool Shift = false;
};

// What the loop does with the message: dispatch it, drop it, drop it once translated (so that a letter
// comes back as a character: an access key), or drop it with a beep.
enum class TKeyAnswer { PassOn, Taken, TakenTranslated, TakenWithBeep };

// The menu bar as its keys see it; places count its shown links from 0.
class TMenuKeysBar {
public:
    virtual ~TMenuKeysBar() = default;
    virtual bool Shown() const = 0;
    virtual int PlaceCount() const = 0;
    virtual int PlaceWithAccessKey(char key) const = 0;  // -1: none
    virtual int KeyboardHot() const = 0;                 // -1: none
    virtual void SetKeyboardHot(int place) = 0;
    // Opens the place's menu from the keyboard and returns when it closes: true when it was left with
    // Escape.
    virtual bool OpenMenu(int place) = 0;
};

class TMenuKeys {
public:
    explicit TMenuKeys(TMenuKeysBar& bar) : bar_(bar) {}

    TKeyAnswer Handle(const TKeyInput& input);
    bool Active() const { return active_; }

private:
    bool HandleActiveKey(int key);
    void Enter(int place = 0);
    void Leave();
    bool OpenByAccessKey(int key);
    void OpenMenu(int place);

    TMenuKeysBar& bar_;
    bool altPending_ = false;
    bool active_ = false;
};

#endif
