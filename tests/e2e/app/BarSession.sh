# Shared by the bar scripts: dragging with the mouse, reading where a bar is, the layout file, and
# starting plux again on the files it left. Every wait polls with a bound, a generous one: on a busy
# machine a Wine round trip takes seconds.
source "$(dirname "${BASH_SOURCE[0]}")/Session.sh"
# A command that stops the script under `set -e` says which, and leaves its screenshot, as fail does.
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR

layout_file() { ls "$RUN_DIR"/Data/PLUX/users/*/formdata/frmPLUX.bar.ini 2>/dev/null | head -1; }

# BAR_X BAR_Y BAR_W BAR_H and SIDE (Top, Left, Right, Bottom, float) of a shown bar; FRAME_* for a
# floating one; GRIP_X GRIP_Y, the point a hand takes it by: a docked bar's grip, a floating one's caption.
bar_facts() {
    local facts
    facts=$(probe bar "$1") || return 1
    read -r _ BAR_X BAR_Y BAR_W BAR_H < <(grep '^bar ' <<<"$facts")
    SIDE=$(grep '^side ' <<<"$facts" | cut -d' ' -f2)
    if [ "$SIDE" = float ]; then
        read -r _ FRAME_X FRAME_Y FRAME_W FRAME_H < <(grep '^frame ' <<<"$facts")
        GRIP_X=$((FRAME_X + 12)) GRIP_Y=$((FRAME_Y + 10))
    elif [ "$SIDE" = Left ] || [ "$SIDE" = Right ]; then
        GRIP_X=$((BAR_X + BAR_W / 2)) GRIP_Y=$((BAR_Y + 4))
    else
        GRIP_X=$((BAR_X + 4)) GRIP_Y=$((BAR_Y + BAR_H / 2))
    fi
}

bar_on() { bar_facts "$1" && [ "$SIDE" = "$2" ]; }

# Waits until bar $1 shows on side $2 and reads its facts.
wait_bar_on() {
    poll_until 20 bar_on "$1" "$2" || fail "bar $1 is not on $2: $(probe bar "$1" | tr '\n' ' ')"
}

# Drags with the left button from ($1,$2) to ($3,$4) as a hand does, past the drag threshold on the
# way; with $5, the outline of where the bar will land is waited for and shot before the release.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
    xdotool mousemove "$3" "$4"
    if [ -n "${5:-}" ]; then
        wait_for 20 feedback_shown
        FEEDBACK=$(probe feedback)
        screenshot "$5" >/dev/null
    fi
    xdotool mouseup 1
    wait_for 20 not feedback_shown
}

feedback_shown() { probe feedback >/dev/null; }

# Closes plux as a user does and waits until it has ended (and saved its layout).
end_plux() {
    probe close-box >/dev/null
    wait_for_exit 30 || fail "plux did not end"
}

# Closes plux and starts it again on the files it left.
restart_plux() {
    end_plux
    start_plux
}

# Sets KEY of section [SECTION] of the layout file to VALUE while plux does not run, as a hand edits
# the file: in place, or at the end of the section, or in a new section at the end of the file.
edit_layout() {
    local file
    file=$(layout_file)
    tr -d '\r' <"$file" | awk -v section="[$1]" -v key="$2" -v value="$3" '
        /^\[/ { if (inside && !done) { print key "=" value; done = 1 } inside = ($0 == section) }
        inside && index($0, key "=") == 1 { print key "=" value; done = 1; next }
        { print }
        END { if (!done) { if (!inside) print section; print key "=" value } }' | sed 's/$/\r/' >"$file.new"
    mv "$file.new" "$file"
}

# Makes bar number $1 of the layout file float with its window at ($2,$3), while plux does not run.
float_in_layout() {
    edit_layout "frmPLUX.BarManager.Bar$1" DockingStyle 0
    edit_layout "frmPLUX.BarManager.Bar$1" FloatLeft "$2"
    edit_layout "frmPLUX.BarManager.Bar$1" FloatTop "$3"
}

# The rectangle of bar $1 as "x y w h", with its side.
where_is() { bar_facts "$1" && echo "$SIDE $BAR_X $BAR_Y $BAR_W $BAR_H"; }
