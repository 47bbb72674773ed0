# Shared by the scripts of the stored window state: the state file plux keeps in its fresh folder, the
# window's system menu driven by keys, and bounded waits on what the probe tells.
source "$(dirname "${BASH_SOURCE[0]}")/Session.sh"

# Waits up to $1 seconds for the command that follows to succeed.
wait_until() {
    local seconds=$1 tries
    shift
    for tries in $(seq 1 $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

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
shown_normal() { [ "$(window_fact placement | cut -d' ' -f2)" = 1 ]; }
application_minimised() { has_fact owner-iconic 1; }
has_popup_menu() { [ -n "$(probe popup-menus)" ]; }

# Opens the window's system menu with Alt+Space, then presses the keys: the access key of an entry
# (Move, Size, Minimize, Maximize, Restore) and the arrows and Return of the move or size loop. The
# keys go to the X window under the pointer, put in the middle of the window, wherever it is now.
system_menu() {
    local x y width height
    read -r x y width height < <(window_fact client)
    xdotool mousemove --sync $((x + width / 2)) $((y + height / 2))
    X_WINDOW=$(xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p')
    press alt+space
    wait_until 10 has_popup_menu || fail "no system menu"
    xdotool key --delay 150 "$@"
}

# Closes as a user does, with the close box, and waits for the program to end.
close_plux() {
    probe close-box >/dev/null || fail "no window to close"
    wait_for_exit 30 || fail "plux did not end"
}

# Starts plux.exe and waits until the condition that follows holds, for starts whose window is not
# simply shown: maximised, or hidden with the minimised application.
launch_plux() {
    cp "$PLUX_EXE" "$RUN_DIR/plux.exe"
    "$WINE" "$RUN_DIR/plux.exe" </dev/null >"$RUN_DIR/plux.log" 2>&1 &
    PLUX_PID=$!
    wait_until 30 "$@" || fail "plux did not start as awaited: $*"
}
