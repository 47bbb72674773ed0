# Ctrl+E shows the test products banded by family; a picked colour changes its swatch at once and the
# report only at the next Ctrl+E, pressed in the report view; a cancelled pick changes nothing.
source "$(dirname "$0")/Session.sh"
import_products example.reg
start_plux
report_x=$((CLIENT_X + 4)) report_y=$((CLIENT_Y + 53)) report_w=600 report_h=200

press ctrl+e
sleep 1
shot=$(screenshot report)
report=$(colours_in "$shot" $report_x $report_y $report_w $report_h)
grep -qx DCFED6 <<<"$report" || fail "no band in Color 1"
grep -qx FFFFC8 <<<"$report" || fail "no band in Color 2"

locate_bar "Colours"
swatch_x=$((BAR_X + 2 + 8 + 70)) swatch_y=$((BAR_Y + BAR_H / 2))
click_at $swatch_x $swatch_y
probe cancel-color || fail "no colour dialog to cancel"
click_at $swatch_x $swatch_y
probe pick-color 64 128 192 || fail "no colour dialog"
sleep 0.5
shot=$(screenshot picked)
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" 4080C0 || fail "the swatch does not show the picked colour"
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" FFFFC8 || fail "Color 2 changed"
report=$(colours_in "$shot" $report_x $report_y $report_w $report_h)
grep -qx DCFED6 <<<"$report" || fail "the report changed before the next check"
! grep -qx 4080C0 <<<"$report" || fail "the report took the colour before the next check"

# The shortcut works with the focus in the report view as well.
click_at $((CLIENT_X + 300)) $((CLIENT_Y + 300))
press ctrl+e
sleep 1
shot=$(screenshot recheck)
report=$(colours_in "$shot" $report_x $report_y $report_w $report_h)
grep -qx 4080C0 <<<"$report" || fail "the next check does not use the picked colour"
! grep -qx DCFED6 <<<"$report" || fail "the old colour is still in the report"
grep -qx FFFFC8 <<<"$report" || fail "Color 2 band lost"
