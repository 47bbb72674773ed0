# Sourced by the scripts of this folder: strict mode, the end-to-end library (../Library.sh), the state
# file plux keeps in its fresh folder, and the window's system menu driven by keys.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../Library.sh"

state_file() {
    local files=("$RUN_DIR"/Data/PLUX/users/*/formdata/frmPLUX.ini)
    echo "${files[0]}"
}

# The value of a key of the state file.
stored() { tr -d '\r' <"$(state_file)" | sed -n "s/^$1=//p"; }

# What the probe tells about the main window: "window_fact bounds" gives "left top width height".
window_fact() { probe window | sed -n "s/^$1 //p"; }
has_fact() { [ "$(window_fact "$1")" = "$2" ]; }
shown_maximised() { [ "$(window_fact placement | cut -d' ' -f2)" = 3 ]; }
application_minimised() { has_fact owner-iconic 1; }
has_popup_menu() { [ -n "$(probe popup-menus)" ]; }

# Waits up to 10 s until the window's FACT is VALUE; the failure names the value it has instead.
wait_for_fact() {
    poll_until 10 has_fact "$1" "$2" || fail "$3: $1 $(window_fact "$1") instead of $2"
}

# Opens the window's system menu as Alt+Space does (the window manager keeps those keys for its own
# menu), then presses the keys: the access key of an entry (Move, Size, Minimize, Maximize, Restore)
# and the arrows and Return of the move or size loop. X_WINDOW becomes the X window under the pointer,
# put in the middle of the window, wherever it is now.
system_menu() {
    local x y width height
    read -r x y width height < <(window_fact client)
    xdotool mousemove --sync $((x + width / 2)) $((y + height / 2))
    X_WINDOW=$(xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p')
    probe system-menu >/dev/null
    wait_for 10 has_popup_menu
    xdotool key --delay 150 "$@"
}

# Closes plux as a user does, with the close box, and fails when it does not end.
quit_plux() { close_plux || fail "plux did not end after its close box"; }

# Starts plux.exe and waits until the condition COMMAND ARGS... holds, for starts whose window is not
# simply shown: maximised, or hidden with the minimised application.
launch_plux() {
    copy_plux
    "$WINE" "$RUN_DIR/plux.exe" </dev/null >"$RUN_DIR/plux.log" 2>&1 &
    PLUX_PID=$!
    wait_for 30 "$@"
}
