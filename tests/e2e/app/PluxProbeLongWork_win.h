#ifndef PLUX_TESTS_E2E_APP_PLUXPROBELONGWORK_WIN_H
#define PLUX_TESTS_E2E_APP_PLUXPROBELONGWORK_WIN_H

// The probe's look at plux while a command runs long:
//
//   while-working SECONDS FILE once the first status panel shows a text: a window of its own over
//                              plux's main window, filled
//                              with FF00FF, shown SECONDS and closed again, as a user drags another
//                              window over and away; 0.3 s later the screen where the window is, saved
//                              to FILE (PPM); and whether the panel still shows a text ("running N")
//   watch-panel PART SECONDS TIMES  "watching", then the texts part PART of the status bar shows, a line
//                              "text T" each time it changes, until it has come back TIMES times to the
//                              text it had at the start ("back TIMES"), or SECONDS have passed ("back"
//                              and the times it came back)
//
//   cursor-window ID SECONDS   a small window under the pointer with the system cursor ID (32514 the wait
//                              cursor) as its class cursor, "shown", then kept that long
//
// Returns the probe's exit code, or -1 when `command` is none of these.
int ProbeLongWork(const char* command, int argc, char** argv);

#endif
