# The Colours bar dragged by its grip to the left dock, to a new row of the top dock and to the bottom
# dock: while the button is down an outline shows where it will land, and each place comes back exactly
# at the next start.
source "$(dirname "$0")/BarSession.sh"
start_plux
docks_bottom=$((CLIENT_Y + CLIENT_H - 20))  # the status bar takes the last 20 pixels

# Drops Colours at ($1,$2) with the outline shot as $4-dragging, checks that it lands on side $3, and
# that it is there again after a restart.
move_colours() {
    bar_facts Colours
    drag "$GRIP_X" "$GRIP_Y" "$1" "$2" "$4-dragging"
    wait_bar_on Colours "$3"
    local before
    before=$(where_is Colours)
    # A new row shows straddling the place where it goes in.
    read -r _ fx fy fw fh <<<"$FEEDBACK"
    [ "$fx $fw $fh" = "$BAR_X $BAR_W $BAR_H" ] && [ $((fy - BAR_Y)) -le $((BAR_H / 2)) ] &&
        [ $((BAR_Y - fy)) -le $((BAR_H / 2)) ] || fail "the outline $fx,$fy ${fw}x$fh was not where Colours landed: $before"
    screenshot "$4" >/dev/null
    restart_plux
    poll_until 20 bar_on Colours "$3" || fail "Colours not on $3 after the restart"
    [ "$(where_is Colours)" = "$before" ] || fail "Colours was at $before, after the restart at $(where_is Colours)"
}

move_colours $((CLIENT_X + 5)) $((CLIENT_Y + 200)) Left colours-left
[ "$BAR_X" -eq "$CLIENT_X" ] && [ "$BAR_Y" -gt $((CLIENT_Y + 49)) ] || fail "Colours at $BAR_X,$BAR_Y on the left"
bar_facts File
[ "$BAR_Y" -eq $((CLIENT_Y + 23)) ] || fail "the File bar moved"

# Below the File bar's row: a new row of the top dock.
move_colours $((CLIENT_X + 300)) $((CLIENT_Y + 55)) Top colours-new-row
[ "$BAR_Y" -eq $((CLIENT_Y + 49)) ] || fail "Colours at $BAR_Y, not on a row of its own below the File bar"

move_colours $((CLIENT_X + 300)) $((docks_bottom - 4)) Bottom colours-bottom
[ $((BAR_Y + BAR_H)) -eq "$docks_bottom" ] || fail "Colours ends at $((BAR_Y + BAR_H)), the status bar at $docks_bottom"
