#ifndef PLUX_TESTS_E2E_APP_PLUXPROBECONTROLS_WIN_H
#define PLUX_TESTS_E2E_APP_PLUXPROBECONTROLS_WIN_H

// The probe's look at the controls of plux's dialogs: where a button, a tab or a list entry is on the
// screen and whether it is checked, so that a script clicks them as a user would.
//
//   control CAPTION TEXT     a control with that text in the window CAPTION: "control X Y W H",
//                            "enabled N", "checked N"
//   tab CAPTION INDEX        the tab: "tab X Y W H", "selected N"
//   list-item CAPTION TEXT   the entry of a list view: "item X Y W H", "checked N", "selected N"
//   menu-bounds              each open popup menu: "menu X Y W H"
//   capture                  the class of the window that holds the mouse: "capture CLASS"
//
// Returns the probe's exit code, or -1 when `command` is none of these.
int ProbeControls(const char* command, int argc, char** argv);

#endif
