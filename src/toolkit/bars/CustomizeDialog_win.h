#ifndef PLUX_TOOLKIT_BARS_CUSTOMIZEDIALOG_WIN_H
#define PLUX_TOOLKIT_BARS_CUSTOMIZEDIALOG_WIN_H

// The customisation dialog: the Toolbars, Commands and Options pages on tabs, and Close. It runs
// modally but leaves its owner enabled, so that the bars take the clicks, drags and right-clicks of the
// customising session, which lasts as long as the dialog. Its pages follow every change of the manager.

#include <windows.h>

#include "toolkit/bars/BarView_win.h"

// Shows the dialog owned by `owner` until the user closes it; does nothing while one is open already.
void RunCustomizeDialog(TBarViewContext& context, HWND owner);

#endif
