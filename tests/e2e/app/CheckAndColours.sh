# Ctrl+E shows the test products banded by family; a picked colour changes its swatch at once and the
# report only at the next Ctrl+E, pressed in the report view; a cancelled pick changes nothing.
source "$(dirname "$0")/Session.sh"
import_products example.reg
start_plux
report_shows() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" "$@"; }

press ctrl+e
wait_for 10 report_shows DCFED6 FFFFC8
screenshot report >/dev/null

locate_bar "Colours"
swatch_x=$((BAR_X + 2 + 8 + 70)) swatch_y=$((BAR_Y + BAR_H / 2))
click_at $swatch_x $swatch_y
probe cancel-color || fail "no colour dialog to cancel"
# The swatches show as before, and the next click counts once the window has the activation back.
wait_for 5 screen_shows "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" DCFED6 FFFFC8
wait_for 5 probe_says "active 1" window
click_at $swatch_x $swatch_y
probe pick-color 64 128 192 || fail "no colour dialog"
# The swatch takes the colour, Color 2 keeps its own.
wait_for 5 screen_shows "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 4080C0 FFFFC8
shot=$(screenshot picked)
report=$(colours_in "$shot" "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H")
grep -qx DCFED6 <<<"$report" || fail "the report changed before the next check"
! grep -qx 4080C0 <<<"$report" || fail "the report took the colour before the next check"

# The shortcut works with the focus in the report view as well.
click_at $((VIEW_X + 300)) $((VIEW_Y + 250))
press ctrl+e
wait_for 10 report_shows 4080C0 FFFFC8
shot=$(screenshot recheck)
! has_colour "$shot" "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6 || fail "the old colour is still in the report"
