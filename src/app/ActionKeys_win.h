#ifndef PLUX_APP_ACTIONKEYS_WIN_H
#define PLUX_APP_ACTIONKEYS_WIN_H

#include "toolkit/win/Handles_win.h"

// The shortcuts of the action table as an accelerator table sending the actions' command ids.
TScopedAccelerators CreateActionAccelerators();

#endif
