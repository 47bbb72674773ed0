# During a long check the pointer over a floating bar shows the wait cursor, as over the window, and
# the arrow again after the check.
source "$(dirname "$0")/LongWorkSession.sh"
import_many_products 10000
start_plux
bar_facts Colours
drag "$GRIP_X" "$GRIP_Y" $((CLIENT_X + 300)) $((CLIENT_Y + 250))
wait_bar_on Colours float
xdotool mousemove $((BAR_X + BAR_W / 2)) $((BAR_Y + BAR_H / 2))
learn_wait_cursor

"$WINE" "$PLUX_PROBE" watch-panel 0 60 1 </dev/null >"$RUN_DIR/panel.txt" 2>/dev/null &
watcher=$!
wait_for 30 file_contains "$RUN_DIR/panel.txt" watching
press ctrl+e
wait_for 30 file_contains "$RUN_DIR/panel.txt" "Products read"
during=$(x_cursor)
! tr -d '\r' <"$RUN_DIR/panel.txt" | grep -qx 'text ' ||
    fail "the check ended before the cursor was read; more products are needed"
screenshot long-check-floating-bar >/dev/null
[ "$during" = "$hourglass" ] || fail "over the floating bar the cursor is \"$during\", not the wait cursor \"$hourglass\""
wait "$watcher"
grep -qx 'back 1' <(tr -d '\r' <"$RUN_DIR/panel.txt") || fail "the check did not end: $(cat "$RUN_DIR/panel.txt")"
cursor_is_arrow() { [ "$(x_cursor)" = "$arrow" ]; }
poll_until 5 cursor_is_arrow || fail "the cursor after the check is \"$(x_cursor)\", not \"$arrow\""
close_plux || fail "plux did not end"
