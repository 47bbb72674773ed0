# The report view keeps the keyboard across the colour dialog, the message dialog and the error box:
# after each closes, Down scrolls the report and Home brings it back to the top, without a click into it
# first.
source "$(dirname "$0")/Session.sh"
import_products many-products.reg
start_plux
report_shows_bands() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6; }
# The focused report's frame: black on its left edge, where the report is otherwise white.
report_shows_focus() { screen_shows "$VIEW_X" $((VIEW_Y + VIEW_H / 2)) 1 1 000000; }
# A digest of the report's pixels: it changes when the report scrolls.
report_pixels() {
    import -display "$DISPLAY" -window root -crop "${VIEW_W}x${VIEW_H}+${VIEW_X}+${VIEW_Y}" rgb:- | md5sum
}
report_is() { [ "$(report_pixels)" = "$1" ]; }
focus_in_report() { probe focus | grep -qx 'focus THtmlView'; }

# After a dialog has closed: the keys reach the report as they did before it opened.
check_report_keys() {
    poll_until 5 focus_in_report || fail "after $1 the focus is not in the report: $(probe focus | tr '\n' ' ')"
    press Down
    poll_until 5 not report_is "$top" || fail "after $1, Down did not scroll the report"
    screenshot "focus-after-$2" >/dev/null
    press Home
    poll_until 5 report_is "$top" || fail "after $1, Home did not bring the report back to the top"
}

press ctrl+e
poll_until 10 report_shows_bands || fail "Ctrl+E showed no report"
REPORT_SPOT_X=$((VIEW_X + 300)) REPORT_SPOT_Y=$((VIEW_Y + 250))
click_at "$REPORT_SPOT_X" "$REPORT_SPOT_Y"
poll_until 5 focus_in_report || fail "a click into the report did not focus it"
# The frame is painted a moment after the focus has moved; the top is pictured with it.
poll_until 5 report_shows_focus || fail "the focused report shows no focus frame"
top=$(report_pixels)

locate_bar "Colours"
click_at $((BAR_X + 2 + 8 + 70)) $((BAR_Y + BAR_H / 2))
# The pointer goes back over the report: left on the swatch, it would raise the swatch's tool tip when
# the dialog closes, over the top of the report for the tool tip's five seconds.
xdotool mousemove "$REPORT_SPOT_X" "$REPORT_SPOT_Y"
probe cancel-color || fail "no colour dialog to cancel"
check_report_keys "the colour dialog" colour-dialog

# Save Result asks for the snapshot's name in the message dialog, left here with Escape.
press ctrl+s
probe dialog '#1' 10 >/dev/null || fail "no message dialog"
activate_window "$(xdotool search --name '^#1$' | head -1)"
xdotool key Escape
probe dialog-closed '#1' 10 || fail "the message dialog stayed open after Escape"
check_report_keys "the message dialog" message-dialog

# A version that cannot be read ends the next check in the error box; the report stays.
import_products numeric-version.reg
press ctrl+e
probe message-box | grep -q '^text Invalid data type' || fail "no error box"
check_report_keys "the error box" error-box
