# First start without state: the designed bounds, an empty title, the application window titled Plux,
# the bars in their designed rows.
source "$(dirname "$0")/Session.sh"
start_plux
facts=$(probe window)
echo "$facts"
grep -qx 'bounds 227 114 696 480' <<<"$facts" || fail "bounds"
grep -qx 'title-length 0' <<<"$facts" || fail "the title bar is not empty"
grep -qx 'owner-title Plux' <<<"$facts" || fail "not owned by the application window Plux"

locate_bar "Main Menu"
[ "$BAR_X" -eq "$CLIENT_X" ] && [ "$BAR_Y" -eq "$CLIENT_Y" ] && [ "$BAR_W" -eq "$CLIENT_W" ] || fail "menu bar row"
locate_bar "File"
[ "$BAR_X" -eq "$CLIENT_X" ] && [ "$BAR_Y" -eq $((CLIENT_Y + 23)) ] || fail "File toolbar at $BAR_X,$BAR_Y"
[ "$COMBO_W" -eq 150 ] || fail "chooser box width $COMBO_W"
locate_bar "Colours"
[ "$BAR_X" -eq $((CLIENT_X + 403)) ] && [ "$BAR_Y" -eq $((CLIENT_Y + 23)) ] || fail "Colours toolbar at $BAR_X,$BAR_Y"

shot=$(screenshot window)
# The swatches show the design colours; the report view below the dock is empty.
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" DCFED6 || fail "Color 1 swatch"
has_colour "$shot" "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" FFFFC8 || fail "Color 2 swatch"
[ "$(colours_in "$shot" $((CLIENT_X + 4)) $((CLIENT_Y + 53)) 600 300)" = "FFFFFF" ] || fail "report view not empty"
