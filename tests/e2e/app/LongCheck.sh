# A check of 10,000 products as a user lives it: the wait cursor over the window while it runs, the
# count of products read in the first status panel, the window painted again after another window
# covered it and went, and Ctrl+E pressed meanwhile starting no check inside the running one: the
# count only grows, the panel empties once, the report shows, and no check follows.
source "$(dirname "$0")/Session.sh"
python3 "$(dirname "$0")/../../../bench/make_products.py" 10000 "$RUN_DIR/many.reg"
remove_products
PRODUCTS_IMPORTED=1
"$WINE" reg import "$RUN_DIR/many.reg" /reg:32 </dev/null >"$RUN_DIR/reg.log" 2>&1 ||
    fail "reg import: $(cat "$RUN_DIR/reg.log")"
start_plux
report_shows() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" "$@"; }
xdotool mousemove $((VIEW_X + VIEW_W / 2)) $((VIEW_Y + VIEW_H / 2))
x_cursor() { python3 "$(dirname "$0")/../CursorName.py"; }
still_checking() { ! tr -d '\r' <"$RUN_DIR/panel.txt" | grep -q '^back'; }
arrow=$(x_cursor)
# The cursor Wine shows for the system's wait cursor, to know it by.
"$WINE" "$PLUX_PROBE" cursor-window 32514 5 </dev/null >"$RUN_DIR/cursor.txt" 2>/dev/null &
cursor_window=$!
wait_for 30 file_contains "$RUN_DIR/cursor.txt" shown
# The window maps a moment after it says so; the pointer moves until the display shows its cursor.
cursor_changed() {
    xdotool mousemove_relative 2 0 && sleep 0.1 && xdotool mousemove_relative -- -2 0 && sleep 0.1
    hourglass=$(x_cursor) && [ "$hourglass" != "$arrow" ]
}
poll_until 5 cursor_changed || fail "the wait cursor cannot be told from the arrow: $arrow"
wait "$cursor_window"

# The panel is watched from before the check to its end, each change written as it comes; the probes
# start slowly, so each waits.
"$WINE" "$PLUX_PROBE" watch-panel 0 120 </dev/null >"$RUN_DIR/panel.txt" 2>/dev/null &
watcher=$!
wait_for 30 file_contains "$RUN_DIR/panel.txt" watching
probe while-working 0.5 "$RUN_DIR/uncovered.ppm" >"$RUN_DIR/working.txt" &
working=$!
press ctrl+e
wait_for 30 file_contains "$RUN_DIR/panel.txt" "Products read"
press ctrl+e
sleep 0.2
press ctrl+e
wait "$working" || fail "the probe found no check running: $(cat "$RUN_DIR/working.txt")"
during=$(x_cursor)
still_checking || fail "the check ended before the cursor was read; more products are needed"
shot="$PLUX_ARTEFACTS/long-check-uncovered.png"
convert "$RUN_DIR/uncovered.ppm" "$shot"
grep -qx 'running 1' "$RUN_DIR/working.txt" ||
    fail "the check ended before the window was uncovered; more products are needed"
echo "cursor before the check: $arrow; the wait cursor: $hourglass; during the check: $during" >&2
[ "$during" = "$hourglass" ] || fail "the cursor during the check is \"$during\", not the wait cursor \"$hourglass\""
! unique_colours <"$shot" | grep -qx FF00FF || fail "the uncovered window is not painted again: $shot"
wait "$watcher"

tr -d '\r' <"$RUN_DIR/panel.txt" >"$RUN_DIR/panel.lines"
texts=$(sed -n 's/^text //p' "$RUN_DIR/panel.lines")
grep -qx 'back 1' "$RUN_DIR/panel.lines" || fail "the first panel did not empty again: $texts"
counts=$(sed -n 's/^Products read: //p' <<<"$texts")
[ "$(wc -l <<<"$counts")" -ge 3 ] || fail "too few counts to tell the check went on: $texts"
sort -n -c <<<"$counts" || fail "the count went back, a check ran inside the check: $counts"
[ "$(grep -cx 'text ' "$RUN_DIR/panel.lines")" -eq 1 ] || fail "the first panel emptied more than once: $texts"
wait_for 10 report_shows DCFED6 FFFFC8
[ "$(x_cursor)" = "$arrow" ] || fail "the cursor after the check is \"$(x_cursor)\", not \"$arrow\" as before"
# The keys pressed during the check are gone: no check starts after it.
probe watch-panel 0 3 >"$RUN_DIR/after.txt"
! grep -q '^text' "$RUN_DIR/after.txt" || fail "a check ran after the first: $(cat "$RUN_DIR/after.txt")"
screenshot long-check-done >/dev/null
close_plux || fail "plux did not end"
