# A click on "File" opens its menu; a second click on "File" closes it, and it stays closed; a third
# opens it again.
source "$(dirname "$0")/Session.sh"
start_plux
locate_bar "Main Menu"
file_x=$((BAR_X + 20)) file_y=$((BAR_Y + BAR_H / 2))

click_at "$file_x" "$file_y"
poll_until 5 menus_open 1 || fail "a click on File did not open its menu"
click_at "$file_x" "$file_y"
poll_until 5 menus_open 0 || fail "a click on File did not close its open menu"
if poll_until 1 menus_open 1; then fail "the click that closed the File menu opened it again"; fi
click_at "$file_x" "$file_y"
poll_until 5 menus_open 1 || fail "a third click on File did not open its menu"
press Escape
poll_until 5 menus_open 0 || fail "Escape did not close the menu opened by a click"
