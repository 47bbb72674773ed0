#ifndef PLUX_TOOLKIT_WIN_MESSAGEPUMP_WIN_H
#define PLUX_TOOLKIT_WIN_MESSAGEPUMP_WIN_H

// For work that runs long on the user-interface thread (a check, a save, a print): the windows go on
// painting and answering other programs, while the keys and clicks the user gives meanwhile wait in
// the queue until the work is done, as they would if nothing were dispatched, so that nothing the user
// does starts in the middle of the work and nothing typed ahead is lost. Commands that reach a window
// by other ways (a message posted or sent to it) are the window's to refuse while its work runs.

#include <windows.h>

// Hands every waiting message but the user's input to its window: paints, timers, messages posted or
// sent by other programs. A WM_QUIT is left for the main loop.
void DispatchPendingExceptInput();

// Sets the cursor that the window under the pointer asks for, as a move of the pointer would; for the
// start and the end of a wait cursor, when the pointer may not move for a while.
void RefreshCursor();

#endif
