# High contrast on: the bars, the status bar and the report paint in the system's colours, the bands
# give way to the window colour and the comparison's differences show in the highlight colour. Off
# again, the look's and the report's own colours return.
source "$(dirname "$0")/Session.sh"
import_products example.reg
cp "$PLUX_FIXTURES/old.plx" "$RUN_DIR/old.plx"
contrast() { wine_quiet "$PLUX_ACCESS" contrast "$1" >/dev/null || fail "high contrast $1 could not be set"; }
on_exit 'contrast off'
start_plux
colour() { wine_quiet "$PLUX_ACCESS" colours | sed -n "s/^$1 //p"; }
WINDOW=$(colour window) HIGHLIGHT=$(colour highlight) BUTTON_FACE=$(colour button-face)

# A comparison with old.plx, so that the report has bands and red differences.
choose_snapshot old.plx
xdotool key ctrl+e
xdotool mousemove $((CLIENT_X + 500)) $((CLIENT_Y + 350))
report_shows() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" "$@"; }
wait_for 10 report_shows DCFED6 FF0000
bars_show() { screen_shows "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" "$@"; }
bars_show DDE4EE || fail "the File bar does not show the dock's own colour"
screenshot contrast-before >/dev/null

contrast on
# The report: no band and no red left, the differences in the highlight colour on the window colour.
report_in_system_colours() {
    local colours
    colours=$(screen_colours "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H")
    ! grep -qxE 'DCFED6|FFFFC8|FF0000' <<<"$colours" && grep -qx "$HIGHLIGHT" <<<"$colours" &&
        grep -qx "$WINDOW" <<<"$colours"
}
wait_for 10 report_in_system_colours
bars_in_system_colours() {
    local colours
    colours=$(screen_colours "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H")
    ! grep -qxE 'DDE4EE|FCFDFE|C4D3E8' <<<"$colours" && grep -qx "$BUTTON_FACE" <<<"$colours"
}
wait_for 10 bars_in_system_colours
screenshot contrast-on >/dev/null

contrast off
wait_for 10 report_shows DCFED6 FF0000
wait_for 10 bars_show DDE4EE
screenshot contrast-off >/dev/null
close_plux || fail "plux did not close"
