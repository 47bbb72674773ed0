# A check of 10,000 products as a user lives it: the wait cursor over the window while it runs, the
# count of products read in the first status panel, the window painted again after another window
# covered it and went, and Ctrl+E pressed meanwhile starting no check inside the running one: it waits
# for the end of the first, so the panel counts up, empties, counts up again from the start, empties,
# the report shows, and no further check follows.
source "$(dirname "$0")/LongWorkSession.sh"
import_many_products 10000
start_plux
report_shows() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" "$@"; }
xdotool mousemove $((VIEW_X + VIEW_W / 2)) $((VIEW_Y + VIEW_H / 2))
still_checking() { ! tr -d '\r' <"$RUN_DIR/panel.txt" | grep -qx 'text '; }
learn_wait_cursor

# The panel is watched from before the first check to the end of the second, each change written as
# it comes; the probes start slowly, so each waits.
"$WINE" "$PLUX_PROBE" watch-panel 0 60 2 </dev/null >"$RUN_DIR/panel.txt" 2>/dev/null &
watcher=$!
wait_for 30 file_contains "$RUN_DIR/panel.txt" watching
probe while-working 0.5 "$RUN_DIR/uncovered.ppm" >"$RUN_DIR/working.txt" &
working=$!
press ctrl+e
wait_for 30 file_contains "$RUN_DIR/panel.txt" "Products read"
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
grep -qx 'back 2' "$RUN_DIR/panel.lines" || fail "the first panel did not empty after two checks: $texts"
# Per check (the runs of counts between the empty texts): at least three counts, and each one higher;
# a check started inside another would show a count lower than the one before.
awk '/^$/ { if (n < 3) exit 1; n = 0; last = 0; next }
     { sub("^Products read: ", ""); if ($0 + 0 <= last) exit 1; last = $0 + 0; n++ }' <<<"$texts" ||
    fail "a check ran inside the check, or too few counts to tell: $texts"
wait_for 10 report_shows DCFED6 FFFFC8
[ "$(x_cursor)" = "$arrow" ] || fail "the cursor after the check is \"$(x_cursor)\", not \"$arrow\" as before"
# The one Ctrl+E pressed during the check ran one check after it, and that is all.
probe watch-panel 0 3 1 >"$RUN_DIR/after.txt"
! grep -q '^text' "$RUN_DIR/after.txt" || fail "a third check ran: $(cat "$RUN_DIR/after.txt")"
screenshot long-check-done >/dev/null
close_plux || fail "plux did not end"
