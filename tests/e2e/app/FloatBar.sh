# The File toolbar dragged by its grip into the window floats in a tool window of its own; dragged by its
# caption that window moves, by its edge it narrows, and it is there again after a restart. A double click
# on the caption docks the bar back where it was; a drag of the caption onto a dock docks it there; the
# close box hides it, and it stays hidden after a restart.
source "$(dirname "$0")/BarSession.sh"
start_plux

bar_facts File
drag "$GRIP_X" "$GRIP_Y" $((CLIENT_X + 200)) $((CLIENT_Y + 200)) file-float-dragging
wait_bar_on File float
screenshot file-floating >/dev/null
# The pointer holds the bar where it took it: the grip, now the left of the caption.
[ $((CLIENT_X + 200 - FRAME_X)) -lt 20 ] && [ $((CLIENT_Y + 200 - FRAME_Y)) -lt 20 ] ||
    fail "the floating window is at $FRAME_X,$FRAME_Y, the drop at $((CLIENT_X + 200)),$((CLIENT_Y + 200))"
read -r _ fx fy fw fh <<<"$FEEDBACK"
[ "$fx $fy $fw $fh" = "$FRAME_X $FRAME_Y $FRAME_W $FRAME_H" ] || fail "the outline $FEEDBACK was not the window"
[ "$BAR_W" -gt 300 ] && [ "$BAR_H" -lt 40 ] || fail "the floating bar is not on one line: ${BAR_W}x$BAR_H"

x=$FRAME_X y=$FRAME_Y
drag "$GRIP_X" "$GRIP_Y" $((GRIP_X + 150)) $((GRIP_Y + 120)) file-float-moving
moved() { bar_facts File && [ "$FRAME_X" -eq $((x + 150)) ] && [ "$FRAME_Y" -eq $((y + 120)) ]; }
poll_until 20 moved || fail "the floating window went to $FRAME_X,$FRAME_Y, not $((x + 150)),$((y + 120))"

# Narrowed by its right edge, the window wraps the bar's items onto more lines.
width=$BAR_W height=$BAR_H
xdotool mousemove $((FRAME_X + FRAME_W - 1)) $((FRAME_Y + FRAME_H / 2)) mousedown 1
xdotool mousemove $((FRAME_X + FRAME_W - 100)) $((FRAME_Y + FRAME_H / 2))
xdotool mousemove $((FRAME_X + FRAME_W - 200)) $((FRAME_Y + FRAME_H / 2)) mouseup 1
narrowed() { bar_facts File && [ "$BAR_W" -lt "$width" ] && [ "$BAR_H" -gt "$height" ]; }
poll_until 20 narrowed || fail "the narrowed window holds the bar at ${BAR_W}x$BAR_H"
[ "$FRAME_X" -eq $((x + 150)) ] || fail "narrowing by the right edge moved the window's left edge"
screenshot file-float-narrowed >/dev/null
before=$(where_is File)
restart_plux
poll_until 20 bar_on File float || fail "File does not float after the restart"
[ "$(where_is File)" = "$before" ] || fail "the floating File bar was at $before, after the restart at $(where_is File)"
screenshot file-floating-restarted >/dev/null
# The chooser's tool tip, on the bar wherever it is; the pointer leaves for the report afterwards. The
# bar makes its tip control when the pointer first comes, here while it floats.
expect_chooser_tip() {
    locate_bar File
    hover_at $((COMBO_X + 40)) $((COMBO_Y + COMBO_H / 2))
    poll_until 5 probe_says "tooltip Select a file to compare to" tooltips || fail "no tool tip $1: $(probe tooltips)"
    xdotool mousemove $((CLIENT_X + 100)) $((CLIENT_Y + CLIENT_H - 60))
}
expect_chooser_tip "on the floating bar"

xdotool mousemove "$GRIP_X" "$GRIP_Y" click --repeat 2 --delay 100 1
wait_bar_on File Top
[ "$BAR_X" -eq "$CLIENT_X" ] && [ "$BAR_Y" -eq $((CLIENT_Y + 23)) ] || fail "File docked back at $BAR_X,$BAR_Y"
screenshot file-docked-back >/dev/null
expect_chooser_tip "after docking back"

# Floating again, and dragged by its caption onto the bottom dock.
drag "$GRIP_X" "$GRIP_Y" $((CLIENT_X + 200)) $((CLIENT_Y + 250))
wait_bar_on File float
drag "$GRIP_X" "$GRIP_Y" $((CLIENT_X + 100)) $((CLIENT_Y + CLIENT_H - 24)) file-float-to-bottom
wait_bar_on File Bottom
screenshot file-bottom >/dev/null

drag "$GRIP_X" "$GRIP_Y" $((CLIENT_X + 200)) $((CLIENT_Y + 250))
wait_bar_on File float
# The close box is the right end of the caption strip, as high as the strip.
click_at $((FRAME_X + FRAME_W - 11)) $((FRAME_Y + 11))
wait_for 20 not bar_shown File
restart_plux
not bar_shown File || fail "File shows again after the restart"
bar_facts Colours
[ "$BAR_X" -eq $((CLIENT_X + 403)) ] || fail "Colours moved when File was hidden"
screenshot file-hidden-restarted >/dev/null
