# A window too narrow for its bars wraps them: the Colours bar that no longer fits its row goes onto a
# line below, and a bar wider than the window lays its buttons out on more lines, so that Save, Print and
# Exit stay within reach; widening the window restores the stored rows.
source "$(dirname "$0")/BarSession.sh"
start_plux
read -r _ _ _ width height < <(probe window | grep '^bounds ')

# Resizes the window to $1 pixels wide and waits until the File bar is $2 pixels high.
narrow_to() {
    probe resize "$1" "$height" || fail "resize to $1"
    file_height() { bar_facts File && [ "$BAR_H" -eq "$2" ]; }
    poll_until 20 file_height "$@" || fail "at $1 pixels the File bar is $BAR_H high, not $2"
    read -r _ CLIENT_X CLIENT_Y CLIENT_W CLIENT_H < <(probe window | grep '^client ')
}

narrow_to 560 26
bar_facts Colours
[ "$BAR_Y" -eq $((CLIENT_Y + 49)) ] && [ $((BAR_X + BAR_W)) -le $((CLIENT_X + CLIENT_W)) ] ||
    fail "Colours at $BAR_X,$BAR_Y ${BAR_W}x$BAR_H in a client area $CLIENT_W wide"
screenshot wrap-560 >/dev/null

narrow_to 200 70
shot=$(screenshot wrap-200)
bar_facts Colours
[ "$BAR_Y" -eq $((CLIENT_Y + 23 + 70)) ] && [ $((BAR_X + BAR_W)) -le $((CLIENT_X + CLIENT_W)) ] ||
    fail "Colours at $BAR_X,$BAR_Y ${BAR_W}x$BAR_H"
bar_facts File
# Save, Print and Exit on the File bar's third line, the first 23 pixels after the grip: the Save glyph.
has_colour "$shot" $((BAR_X + 10)) $((BAR_Y + 46)) 23 22 2050B0 || fail "no Save button (its floppy disk) on the third line"

probe resize "$width" "$height" || fail "resize back"
restored() { bar_facts Colours && [ "$BAR_X" -eq $((CLIENT_X + 403)) ] && [ "$BAR_Y" -eq $((CLIENT_Y + 23)) ]; }
poll_until 20 restored || fail "Colours at $BAR_X,$BAR_Y after widening"
bar_facts File
[ "$BAR_H" -eq 26 ] && [ "$BAR_Y" -eq $((CLIENT_Y + 23)) ] || fail "the File bar is not back on one line"
screenshot wrap-restored >/dev/null

# Exit is within reach at 200 pixels: a click on it ends plux.
narrow_to 200 70
bar_facts File
click_at $((BAR_X + 10 + 23 + 23 + 6 + 11)) $((BAR_Y + 46 + 11))
wait_for_exit 30 || fail "Exit on the wrapped File bar did not end plux"
