# A band colour picked in the swatch's colour dialog comes back at the next start and colours the
# export; a state file written at another pixels per inch gives back the colours but not the placement.
source "$(dirname "$0")/StateSession.sh"
import_products example.reg
start_plux
locate_bar "Colours"
click_at $((BAR_X + 2 + 8 + 70)) $((BAR_Y + BAR_H / 2))
probe pick-color 64 128 192 || fail "no colour dialog"
close_plux
[ "$(stored barColor1.Description)" = "#4080C0" ] || fail "stored Color 1: $(stored barColor1.Description)"
[ "$(stored barColor2.Description)" = "#ffffc8" ] || fail "stored Color 2: $(stored barColor2.Description)"

start_plux
locate_bar "Colours"
shot=$(screenshot state-colours)
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 4080C0 || fail "Color 1 did not come back"
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" FFFFC8 || fail "Color 2 changed"
close_plux

(cd "$RUN_DIR" && "$WINE" ./plux.exe /shtml report.html </dev/null >/dev/null 2>"$RUN_DIR/export.err") ||
    fail "export: $(cat "$RUN_DIR/export.err")"
grep -q 'bgcolor="#4080C0"' "$RUN_DIR/report.html" || fail "the export has no band in the stored Color 1"
grep -q 'bgcolor="#ffffc8"' "$RUN_DIR/report.html" || fail "the export has no band in Color 2"
! grep -q 'dcFED6' "$RUN_DIR/report.html" || fail "the export still has the design's Color 1"

sed -i -e 's/^PixelsPerInch=.*/PixelsPerInch=120\r/' -e 's/^NormalPos=.*/NormalPos=10,20,500,400\r/' \
    -e 's/^ShowCmd=.*/ShowCmd=3\r/' -e 's/^barColor2.Description=.*/barColor2.Description=#102030\r/' "$(state_file)"
start_plux
has_fact bounds "227 114 696 480" || fail "another pixels per inch moved the window to $(window_fact bounds)"
shown_maximised && fail "another pixels per inch maximised the window"
locate_bar "Colours"
shot=$(screenshot state-other-ppi)
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 4080C0 || fail "Color 1 lost with another pixels per inch"
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 102030 || fail "Color 2 not restored with another pixels per inch"
