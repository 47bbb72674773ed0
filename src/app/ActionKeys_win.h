#ifndef PLUX_APP_ACTIONKEYS_WIN_H
#define PLUX_APP_ACTIONKEYS_WIN_H

#include "toolkit/win/Handles_win.h"

// The shortcuts of the command table as an accelerator table sending the rows' command ids.
TScopedAccelerators CreateActionAccelerators();

#endif
