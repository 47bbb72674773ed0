#ifndef PLUX_APP_MAINCOMMANDS_WIN_H
#define PLUX_APP_MAINCOMMANDS_WIN_H

// The main window's handler of each command of the command table (Actions.h).

#include "app/MainWindow_win.h"

using TCommandHandler = void (TfrmPLUX::*)();

// The handler of a command id; null for an id that runs nothing.
TCommandHandler CommandHandler(int commandId);

#endif
