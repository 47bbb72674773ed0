#ifndef PLUX_TOOLKIT_BARS_MODEL_ITEMSTATE_H
#define PLUX_TOOLKIT_BARS_MODEL_ITEMSTATE_H

// How the items of a bar show as the pointer and the keyboard reach them.

enum class TItemState { Normal, Hot, Pressed, Open };

// The places of a bar window (its shown links, counted from 0) that the pointer and the keys are at;
// -1 for none.
struct TItemTracking {
    int Hot = -1;          // under the pointer
    int KeyboardHot = -1;  // highlighted by the menu keys
    int Pressed = -1;      // the left button went down on it and is still down
    int Open = -1;         // its drop-down menu is open
    int Focus = -1;        // has the keyboard focus of a focused toolbar

    // An open item shows open. A pressed one shows pressed while the pointer is on it and hot when the
    // pointer has left it; the item under the pointer, or highlighted or focused by the keys, shows hot.
    TItemState StateOf(int place) const;
    // The left button comes up over `place`: the press ends, and true when it ends on the item it began
    // on, which is a click.
    bool Release(int place);
};

#endif
