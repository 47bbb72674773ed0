# A band colour picked in the swatch's colour dialog comes back at the next start and colours the
# export; a state file written at another pixels per inch gives back the colours but not the placement.
source "$(dirname "$0")/Session.sh"
import_products example.reg
start_plux
locate_bar "Colours"
click_at $((BAR_X + 2 + 8 + 70)) $((BAR_Y + BAR_H / 2))
probe pick-color 64 128 192 || fail "no colour dialog"
wait_for 5 screen_shows "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 4080C0 FFFFC8
quit_plux
[ "$(stored barColor1.Description)" = "#4080C0" ] || fail "stored Color 1: $(stored barColor1.Description)"
[ "$(stored barColor2.Description)" = "#ffffc8" ] || fail "stored Color 2: $(stored barColor2.Description)"

start_plux
locate_bar "Colours"
poll_until 5 screen_shows "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 4080C0 FFFFC8 || fail "the colours did not come back"
screenshot state-colours >/dev/null
quit_plux

run_plux /shtml report.html || fail "export: $(cat "$RUN_DIR/stderr")"
grep -q 'bgcolor="#4080C0"' "$RUN_DIR/report.html" || fail "the export has no band in the stored Color 1"
grep -q 'bgcolor="#ffffc8"' "$RUN_DIR/report.html" || fail "the export has no band in Color 2"
! grep -qi 'dcFED6' "$RUN_DIR/report.html" || fail "the export still has the design's Color 1"

sed -i -e 's/^PixelsPerInch=.*/PixelsPerInch=120\r/' -e 's/^NormalPos=.*/NormalPos=10,20,500,400\r/' \
    -e 's/^ShowCmd=.*/ShowCmd=3\r/' -e 's/^barColor2.Description=.*/barColor2.Description=#102030\r/' "$(state_file)"
start_plux
has_fact bounds "227 114 696 480" || fail "another pixels per inch moved the window to $(window_fact bounds)"
! shown_maximised || fail "another pixels per inch maximised the window"
locate_bar "Colours"
poll_until 5 screen_shows "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 4080C0 102030 ||
    fail "the colours were not restored with another pixels per inch"
screenshot state-other-ppi >/dev/null
