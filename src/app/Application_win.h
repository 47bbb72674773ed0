#ifndef PLUX_APP_APPLICATION_WIN_H
#define PLUX_APP_APPLICATION_WIN_H

// Runs the program with its window: the application window titled "Plux", which the task bar shows,
// the main window owned by it, and the message loop until the main window is closed. Returns the exit code.
int RunApplication(int showCommand);

#endif
