# Sourced by every end-to-end script: a fresh run folder, bounded waits for what a script needs, the
# test products in the registry, plux.exe started and closed as a user does, and looks at the screen.
# CMake sets WINE, PLUX_EXE, PLUX_PROBE, PLUX_FIXTURES and PLUX_ARTEFACTS. The caller picks its shell
# options; app/Session.sh adds `set -euo pipefail`.

WINE=${WINE:-/usr/lib/wine/wine64}
PRODUCT_ROOT='HKLM\SOFTWARE\Component Suite VCL Products'
PDF_DIR="$HOME/PDF"
RUN_DIR=$(mktemp -d)
PLUX_PID=""
X_WINDOW=""
PRODUCTS_IMPORTED=""
EXIT_HOOKS=()
mkdir -p "$PLUX_ARTEFACTS"
# The pointer goes back where it was, so that a spot one test leaves it on (a hot item, a tool tip)
# never shows in the next test's window.
POINTER_X="" POINTER_Y=""
if [ -n "${DISPLAY:-}" ]; then
    eval "$(xdotool getmouselocation --shell 2>/dev/null | grep -E '^(X|Y)=' | sed 's/^/POINTER_/')"
fi

# Ends the test with MESSAGE, leaving the screen as it was among the artefacts (fail-SCRIPT.png).
# Scripts that go on after a failure and count them redefine it.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then screenshot "fail-$(basename "$0" .sh)" >/dev/null 2>&1 || true; fi
    exit 1
}

# Runs the shell command COMMAND when the script ends, before the run folder goes.
on_exit() { EXIT_HOOKS+=("$1"); }

# plux is closed the way a user closes it: a killed process leaves Wine believing for a while that its
# window is in the foreground, and the next program's window then does not get the keys.
cleanup() {
    if [ -n "$PLUX_PID" ] && ! process_ended "$PLUX_PID"; then
        close_plux || kill "$PLUX_PID" 2>/dev/null || true
    fi
    local hook
    for hook in "${EXIT_HOOKS[@]}"; do eval "$hook" || true; done
    if [ -n "$PRODUCTS_IMPORTED" ]; then remove_products; fi
    rm -rf "$RUN_DIR"
    if [ -n "$POINTER_X" ]; then xdotool mousemove "$POINTER_X" "$POINTER_Y" || true; fi
}
trap cleanup EXIT

## Waits

now_us() { echo "${EPOCHREALTIME//[.,]/}"; }

# Seconds (with up to six decimals) as microseconds.
seconds_us() {
    local whole=${1%%.*} fraction=""
    [[ $1 == *.* ]] && fraction=${1#*.}
    fraction="${fraction}000000"
    echo $((${whole:-0} * 1000000 + 10#${fraction:0:6}))
}

# Runs COMMAND ARGS... every 0.1 s until it succeeds; status 1 when it has not within SECONDS.
poll_until() {
    local end=$(($(now_us) + $(seconds_us "$1")))
    shift
    until "$@"; do
        (($(now_us) < end)) || return 1
        sleep 0.1
    done
}

# Waits up to SECONDS for the condition COMMAND ARGS... to hold; on timeout the test fails and the
# message names the condition it awaited.
wait_for() {
    local seconds=$1
    shift
    poll_until "$seconds" "$@" || fail "waited $seconds s in vain for: $*"
}

# Negates a condition: wait_for 5 not bar_shown Colours.
not() { ! "$@"; }

## Conditions for wait_for

file_exists() { [ -e "$1" ]; }
# FILE holds a line matching the basic regular expression PATTERN (CR of Windows lines ignored).
file_contains() { [ -e "$1" ] && tr -d '\r' <"$1" | grep -q -- "$2"; }
process_ended() { ! kill -0 "$1" 2>/dev/null; }
# An X window whose name matches the regular expression NAME; X_FOUND is the first one.
window_named() { X_FOUND=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$X_FOUND" ]; }
# The screen shows each colour RRGGBB... within the rectangle X Y W H.
screen_shows() {
    local shown colour
    shown=$(screen_colours "$1" "$2" "$3" "$4") || return 1
    for colour in "${@:5}"; do grep -qx "$colour" <<<"$shown" || return 1; done
}
# The X window WINDOW shows the colour RRGGBB.
window_shows() { window_picture "$1" ppm:- | unique_colours | grep -qx "$2"; }
# The X window WINDOW looks other than in the picture FILE (taken by window_picture).
window_changed() { window_picture "$1" "$RUN_DIR/now.ppm" && ! cmp -s "$RUN_DIR/now.ppm" "$2"; }
# The X window WINDOW looks as it did at the previous call: what it shows has come to rest.
window_settled() {
    window_picture "$1" "$RUN_DIR/now.ppm" || return 1
    local status=1
    if cmp -s "$RUN_DIR/now.ppm" "$RUN_DIR/settled.ppm"; then status=0; fi
    mv "$RUN_DIR/now.ppm" "$RUN_DIR/settled.ppm"
    return $status
}
# The probe, asked ARGS..., answers the line LINE.
probe_says() { probe "${@:2}" | grep -qxF -- "$1"; }
# Exactly N popup menus of plux are open.
menus_open() { [ "$(probe popup-menus | grep -c '^menu')" -eq "$1" ]; }
bar_shown() { probe bar "$1" >/dev/null; }
# The keyboard focus is in a window of class CLASS.
focus_in() { probe_says "focus $1" focus; }

# Opens the customisation as a keyboard user does, from the report: F6 to the first toolbar, Shift+F10
# for the bars menu, C for Customize...; the dialog comes with the focus in its list of bars.
open_customize_by_keys() {
    click_at $((VIEW_X + 300)) $((VIEW_Y + 250))
    wait_for 5 focus_in THtmlView
    press F6
    wait_for 5 focus_in TBarWindow
    press shift+F10
    wait_for 5 menus_open 1
    xdotool key c
    probe dialog Customize 10 >/dev/null || fail "Shift+F10 and C in a toolbar did not open the customisation"
    wait_for 5 focus_in SysListView32
}

# From a page's first list of the customisation (the focus back over Close to the tabs), Right shows the
# Commands page, and Tab on over Close reaches its categories.
show_commands_page_by_keys() {
    xdotool key shift+Tab shift+Tab
    wait_for 5 focus_in SysTabControl32
    xdotool key Right
    wait_for 5 probe_says "selected 1" tab Customize 1
    xdotool key Tab Tab
    wait_for 5 focus_in ListBox
}
# A PDF of the printer, made after the file MARKER and complete, holds TEXT, and its name begins with
# NAME when given; PRINTED_PDF is its path.
printed_pdf() {
    local pdf
    for pdf in $(ls -t "$PDF_DIR"/*.pdf 2>/dev/null); do
        [ "$pdf" -nt "$1" ] || return 1
        [[ "$(basename "$pdf")" == "${3:-}"* ]] || continue
        if pdfinfo "$pdf" >/dev/null 2>&1 && pdftotext "$pdf" - 2>/dev/null | grep -qF -- "$2"; then
            PRINTED_PDF=$pdf
            return 0
        fi
    done
    return 1
}

## The screen

# Saves the whole screen as NAME.png among the artefacts and prints the path.
screenshot() {
    import -display "$DISPLAY" -window root "$PLUX_ARTEFACTS/$1.png"
    echo "$PLUX_ARTEFACTS/$1.png"
}

# Saves what the X window WINDOW shows as FILE (a .ppm).
window_picture() { import -display "$DISPLAY" -window "$1" "$2" 2>/dev/null; }

# The distinct colours (as RRGGBB) of the picture on standard input.
unique_colours() { convert - -depth 8 -unique-colors txt:- | grep -o '#[0-9A-F]\{6\}' | tr -d '#'; }

# The distinct colours within a rectangle X Y W H of a screenshot SHOT.
colours_in() { convert "$1" -crop "${4}x${5}+${2}+${3}" +repage ppm:- | unique_colours; }
has_colour() { colours_in "$1" "$2" "$3" "$4" "$5" | grep -qx "$6"; }

# The distinct colours within a rectangle X Y W H of the screen as it is now.
screen_colours() { import -display "$DISPLAY" -window root -crop "${3}x${4}+${1}+${2}" ppm:- | unique_colours; }

## The registry

remove_products() { "$WINE" reg delete "$PRODUCT_ROOT" /f /reg:32 </dev/null >/dev/null 2>&1 || true; }

# Imports the registry file FILE. reg.exe has been seen to fail once in a long run for no reason it
# told; a second try is enough, after a pause that lets whatever disturbed it pass.
reg_import() {
    local attempt
    for attempt in 1 2 3; do
        "$WINE" reg import "$1" /reg:32 </dev/null >"$RUN_DIR/reg.log" 2>&1 && return 0
        sleep 1
    done
    fail "reg import $(basename "$1"): $(tr -d '\r' <"$RUN_DIR/reg.log")"
}

# The products of the registry file FILE alone under the product root; they go when the script ends.
import_registry_file() {
    remove_products
    PRODUCTS_IMPORTED=1
    reg_import "$1"
}

# The same of the fixture NAME.
import_products() { import_registry_file "$PLUX_FIXTURES/$1"; }

## plux.exe and the probe

wine_quiet() { "$WINE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
probe() { wine_quiet "$PLUX_PROBE" "$@"; }

# A copy of plux.exe in the run folder, which is then its program folder (settings, snapshots).
copy_plux() { [ -e "$RUN_DIR/plux.exe" ] || cp "$PLUX_EXE" "$RUN_DIR/plux.exe"; }

# Runs plux.exe ARGS... to its end without a window (at most 60 s); its standard error lands in
# $RUN_DIR/stderr. The status is plux's.
run_plux() {
    copy_plux
    (cd "$RUN_DIR" && timeout 60 "$WINE" ./plux.exe "$@" </dev/null 2>"$RUN_DIR/stderr")
}

# Starts plux.exe and waits for its window; CLIENT_X CLIENT_Y CLIENT_W CLIENT_H are its client area
# on the screen, VIEW_X VIEW_Y VIEW_W VIEW_H its report view's (where the report shows) and X_WINDOW
# the X window of it.
start_plux() {
    copy_plux
    "$WINE" "$RUN_DIR/plux.exe" </dev/null >"$RUN_DIR/plux.log" 2>&1 &
    PLUX_PID=$!
    local facts
    facts=$(probe wait-window 30) || fail "the main window did not show"
    read_window_facts "$facts"
    local window
    for window in $(xdotool search --classname '^plux\.exe$'); do
        if [ "$(screen_origin "$window")" = "$CLIENT_X $CLIENT_Y" ]; then X_WINDOW=$window; fi
    done
    [ -n "$X_WINDOW" ] || fail "no X window at the client origin $CLIENT_X,$CLIENT_Y"
}

# Where the X window WINDOW is on the screen, "x y": xwininfo tells it within a window manager's frame
# too (xdotool's geometry adds the frame's offset once more).
screen_origin() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        END { print x, y }'
}

# Sets CLIENT_* and VIEW_* from the FACTS of `probe window`; after a change of layout, call it again
# with fresh facts.
read_window_facts() {
    read -r _ CLIENT_X CLIENT_Y CLIENT_W CLIENT_H < <(grep '^client ' <<<"$1")
    read -r _ VIEW_X VIEW_Y VIEW_W VIEW_H < <(grep '^view ' <<<"$1") || fail "no report view"
}

# Closes plux.exe by its close box and waits (at most 15 s) for it to end.
close_plux() { probe close-box >/dev/null && wait_for_exit 15; }

# Waits up to SECONDS for plux.exe to end; status 1 when it is still running.
wait_for_exit() {
    poll_until "$1" process_ended "$PLUX_PID" || return 1
    wait "$PLUX_PID" 2>/dev/null || true
    PLUX_PID=""
}

still_running() { ! process_ended "$PLUX_PID" && probe window >/dev/null; }

# Presses KEYS... (xdotool names) in plux's window.
press() {
    xdotool windowfocus --sync "$X_WINDOW"
    xdotool key "$@"
}

# Activates the X window WINDOW through the window manager and waits until it is active: keys typed
# only then cannot be met by an activation that the manager gives a new window late, which would select
# what they typed.
activate_window() { xdotool windowactivate --sync "$1"; }

click_at() { xdotool mousemove "$1" "$2" click 1; }

# Moves the pointer onto a point in two steps, so that the tool tip control sees it arrive and rest;
# the short pause between the steps is part of that gesture, not a wait for something.
hover_at() {
    xdotool mousemove "$(($1 - 3))" "$(($2 - 3))"
    sleep 0.2
    xdotool mousemove "$1" "$2"
}

# BAR_X BAR_Y BAR_W BAR_H of a bar (by caption), and COMBO_* when it holds a combo box.
locate_bar() {
    local facts
    facts=$(probe bar "$1") || fail "bar $1 is not shown"
    read -r _ BAR_X BAR_Y BAR_W BAR_H < <(grep '^bar ' <<<"$facts")
    COMBO_X=0 COMBO_Y=0 COMBO_W=0 COMBO_H=0
    if grep -q '^combo ' <<<"$facts"; then read -r _ COMBO_X COMBO_Y COMBO_W COMBO_H < <(grep '^combo ' <<<"$facts"); fi
}

# Picks the snapshot NAME from the File bar's chooser, by a click into it and the Down key.
choose_snapshot() {
    locate_bar File
    click_at $((COMBO_X + 20)) $((COMBO_Y + COMBO_H / 2))
    local step
    for step in 1 2 3; do
        probe combo File | grep -qxF "text $1" && return 0
        xdotool key Down
    done
    probe combo File | grep -qxF "text $1" || fail "$1 could not be chosen"
}
