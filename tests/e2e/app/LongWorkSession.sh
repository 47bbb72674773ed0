# Sourced by the scripts of long work: many products in the registry, the cursor the display shows,
# and the one Wine shows for the system's wait cursor; the bar scripts' helpers come with it.
source "$(dirname "${BASH_SOURCE[0]}")/BarSession.sh"

# COUNT test products in the registry in place of the usual ones (which the end puts back).
import_many_products() {
    python3 "$(dirname "${BASH_SOURCE[0]}")/../../../bench/make_products.py" "$1" "$RUN_DIR/many.reg"
    import_registry_file "$RUN_DIR/many.reg"
}

x_cursor() { python3 "$(dirname "${BASH_SOURCE[0]}")/../CursorName.py"; }

# Sets `arrow` to the cursor shown now, and `hourglass` to the one Wine shows for the system's wait
# cursor, to know it by: a probe window with that cursor maps a moment after it says so, so the pointer
# moves until the display shows it. The pointer ends where it was.
learn_wait_cursor() {
    arrow=$(x_cursor)
    "$WINE" "$PLUX_PROBE" cursor-window 32514 5 </dev/null >"$RUN_DIR/cursor.txt" 2>/dev/null &
    local cursor_window=$!
    wait_for 30 file_contains "$RUN_DIR/cursor.txt" shown
    cursor_changed() {
        xdotool mousemove_relative 2 0 && sleep 0.1 && xdotool mousemove_relative -- -2 0 && sleep 0.1
        hourglass=$(x_cursor) && [ "$hourglass" != "$arrow" ]
    }
    poll_until 5 cursor_changed || fail "the wait cursor cannot be told from the arrow: $arrow"
    wait "$cursor_window"
}
