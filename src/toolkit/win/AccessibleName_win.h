#ifndef PLUX_TOOLKIT_WIN_ACCESSIBLENAME_WIN_H
#define PLUX_TOOLKIT_WIN_ACCESSIBLENAME_WIN_H

#include <windows.h>

#include <string>

// Gives a native control the name assistive programs read for it, where the system would find none or
// the wrong one (an edit field whose label is not the static control before it). Everything else stays
// as the system's own object of the control says. Once per control; the name goes with the control.
void SetAccessibleName(HWND control, std::string name);

#endif
