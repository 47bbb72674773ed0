# The menu bar by keys. Alt released alone, then F, and F10, then F open the File menu, in which D runs
# Do Check. Escape in a menu opened by keys closes it and leaves "File" highlighted; a second Escape
# leaves the bar, and F then opens nothing.
source "$(dirname "$0")/Session.sh"
import_products example.reg
start_plux
locate_bar "Main Menu"
# The pointer rests on the report, so that "File" is highlighted by the keys alone.
xdotool mousemove $((VIEW_X + 300)) $((VIEW_Y + 250))

file_highlighted() { screen_shows "$BAR_X" "$BAR_Y" 60 "$BAR_H" FFEEC2; }
report_shows_bands() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6; }

press alt
press f
poll_until 5 menus_open 1 || fail "Alt, then F did not open the File menu"
screenshot menu-alt-then-f >/dev/null
press d
poll_until 10 report_shows_bands || fail "D in the File menu did not run Do Check"
menus_open 0 || fail "the File menu stayed open after D"

press F10
press f
poll_until 5 menus_open 1 || fail "F10, then F did not open the File menu"
press Escape
poll_until 5 menus_open 0 || fail "Escape did not close the File menu"
poll_until 5 file_highlighted || fail "after Escape in the menu, File is not highlighted"
screenshot menu-escape >/dev/null
press Return
poll_until 5 menus_open 1 || fail "Enter on the highlighted File did not open its menu"
press Escape
poll_until 5 menus_open 0 || fail "Escape did not close the reopened File menu"
press Escape
poll_until 5 not file_highlighted || fail "a second Escape did not leave the menu bar"
press f
if poll_until 1 menus_open 1; then fail "F opened the File menu after the menu bar was left"; fi
