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

# The swatches show the design colours once painted; the report view below the dock is empty.
wait_for 5 screen_shows "$BAR_X" "$BAR_Y" "$BAR_W" "$BAR_H" DCFED6 FFFFC8
shot=$(screenshot window)
[ "$VIEW_Y" -gt $((BAR_Y + BAR_H)) ] || fail "the report view at $VIEW_Y is not below the dock"
[ "$(colours_in "$shot" "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H")" = "FFFFFF" ] || fail "report view not empty"
