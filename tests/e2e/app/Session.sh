# Shared by the end-to-end scripts: one plux.exe in a fresh folder, the test products in the registry,
# and helpers that drive it by keys and clicks and look at it. Every wait has a bound.
set -euo pipefail

WINE=/usr/lib/wine/wine64
PRODUCT_ROOT='HKLM\SOFTWARE\Component Suite VCL Products'
RUN_DIR=$(mktemp -d)
PLUX_PID=""
X_WINDOW=""
mkdir -p "$PLUX_ARTEFACTS"
# The pointer goes back where it was: without a window manager, keys reach a window of a later test
# only while the pointer is over it.
eval "$(xdotool getmouselocation --shell | grep -E '^(X|Y)=' | sed 's/^/POINTER_/')"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# plux is closed the way a user closes it: a killed process leaves Wine believing for a while that its
# window is in the foreground, and the next program's window then does not get the keys.
cleanup() {
    if [ -n "$PLUX_PID" ] && kill -0 "$PLUX_PID" 2>/dev/null; then
        probe close-box >/dev/null || true
        wait_for_exit 10 || kill "$PLUX_PID" 2>/dev/null || true
    fi
    remove_products
    rm -rf "$RUN_DIR"
    xdotool mousemove "$POINTER_X" "$POINTER_Y" || true
}
trap cleanup EXIT

wine_quiet() { "$WINE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
probe() { wine_quiet "$PLUX_PROBE" "$@"; }

remove_products() { "$WINE" reg delete "$PRODUCT_ROOT" /f /reg:32 </dev/null >/dev/null 2>&1 || true; }
# reg.exe has been seen to fail once in a long run for no reason it told; a second try is enough.
import_products() {
    remove_products
    local attempt
    for attempt in 1 2 3; do
        "$WINE" reg import "$PLUX_FIXTURES/$1" /reg:32 </dev/null >"$RUN_DIR/reg.log" 2>&1 && return 0
        sleep 1
    done
    fail "reg import $1: $(tr -d '\r' <"$RUN_DIR/reg.log")"
}

# Starts plux.exe and waits for its window; X_WINDOW is the X window of its client area.
start_plux() {
    cp "$PLUX_EXE" "$RUN_DIR/plux.exe"
    "$WINE" "$RUN_DIR/plux.exe" </dev/null >"$RUN_DIR/plux.log" 2>&1 &
    PLUX_PID=$!
    probe wait-window 30 || fail "the main window did not show"
    read -r _ CLIENT_X CLIENT_Y CLIENT_W CLIENT_H < <(probe window | grep '^client ')
    local window geometry
    for window in $(xdotool search --classname '^plux\.exe$'); do
        geometry=$(xdotool getwindowgeometry "$window" | tr -d '\n')
        if [[ "$geometry" == *"Position: $CLIENT_X,$CLIENT_Y "* ]]; then X_WINDOW=$window; fi
    done
    [ -n "$X_WINDOW" ] || fail "no X window at the client origin $CLIENT_X,$CLIENT_Y"
}

press() {
    xdotool windowfocus --sync "$X_WINDOW"
    xdotool key "$@"
}

click_at() { xdotool mousemove "$1" "$2" click 1; }

# Moves the pointer onto a point in two steps, so that the tool tip control sees it arrive and rest.
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

screenshot() {
    import -display "$DISPLAY" -window root "$PLUX_ARTEFACTS/$1.png"
    echo "$PLUX_ARTEFACTS/$1.png"
}

# The distinct colours (as RRGGBB) within a rectangle of a screenshot.
colours_in() {
    local shot=$1 x=$2 y=$3 w=$4 h=$5
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -unique-colors txt:- | grep -o '#[0-9A-F]\{6\}' | tr -d '#'
}

has_colour() { colours_in "$1" "$2" "$3" "$4" "$5" | grep -qx "$6"; }

# Waits up to $1 seconds for plux.exe to end.
wait_for_exit() {
    local tries
    for tries in $(seq 1 $(($1 * 10))); do
        kill -0 "$PLUX_PID" 2>/dev/null || { wait "$PLUX_PID" 2>/dev/null || true; PLUX_PID=""; return 0; }
        sleep 0.1
    done
    return 1
}

still_running() { kill -0 "$PLUX_PID" 2>/dev/null && probe window >/dev/null; }

# poll_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds, at most SECONDS long.
poll_until() {
    local limit=$(($1 * 10)) tries
    shift
    for tries in $(seq 1 "$limit"); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}
