# The toolbars by keyboard alone: F6 takes the focus from the report to the File bar, the arrow keys
# move it to Print (an assistive program sees each step), Enter prints the report, Escape gives the
# focus back to the report; Shift+F6 goes the other way round.
source "$(dirname "$0")/Session.sh"
touch "$RUN_DIR/start-mark"
import_products example.reg
start_plux

press ctrl+e
wait_for 10 screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6
focused_button() { tree_has "^  push button\|$1\|.*focused"; }
click_at $((VIEW_X + 300)) $((VIEW_Y + 250))
poll_until 5 focus_in THtmlView || fail "the report does not take the focus: $(probe focus | tr '\n' ' ')"

press F6
wait_for 5 focus_in TBarWindow
wait_for 5 focused_button 'Do Check'
shot=$(screenshot keyboard-do-check)
for step in 1 2 3 4; do
    focused_button Print && break
    press Right
    sleep 0.3
done
focused_button Print || fail "the arrow keys did not reach Print (tree: $(access_tree | grep focused))"
screenshot keyboard-print >/dev/null
press Return
wait_for 60 printed_pdf "$RUN_DIR/start-mark" 'Grid 4 (Delphi 7)'

# Escape gives the focus to the report; Shift+F6 goes backwards to the last bar, Colours, and F6 past it
# to the report again.
activate_window "$X_WINDOW"
press F6
wait_for 5 focus_in TBarWindow
press Escape
wait_for 5 focus_in THtmlView
press shift+F6
wait_for 5 focus_in TBarWindow
in_colours() { access_tree | awk '/^tool bar\|Colours\|/{on=1; next} /^[^ ]/{on=0} on' | grep -q focused; }
wait_for 5 in_colours
press F6
wait_for 5 focus_in THtmlView
close_plux || fail "plux did not close"
