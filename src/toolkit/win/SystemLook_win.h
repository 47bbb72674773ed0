#ifndef PLUX_TOOLKIT_WIN_SYSTEMLOOK_WIN_H
#define PLUX_TOOLKIT_WIN_SYSTEMLOOK_WIN_H

// Whether the user has asked the system for high contrast, and the system's colours. The setting is
// read once and again after RereadSystemLook(), which the program calls when the system announces a
// change of its settings or colours; the painters ask HighContrast() at every paint.

#include "toolkit/SystemColours.h"

bool HighContrast();
void RereadSystemLook();
TSystemColours SystemColours();

#endif
