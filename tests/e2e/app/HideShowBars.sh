# The dock's context menu lists the toolbars; picking one hides or shows it, the others keep their place.
source "$(dirname "$0")/Session.sh"
start_plux
free_x=$((CLIENT_X + 400)) free_y=$((CLIENT_Y + 11))  # the menu bar right of its menus, always there

# Picks entry $1 (from 1) of the dock's context menu by keys. The menu has gone once its command has
# shown its effect, which the caller waits for.
pick_from_dock_menu() {
    xdotool mousemove $free_x $free_y click 3
    wait_for 5 menus_open 1
    local downs=()
    for _ in $(seq 1 "$1"); do downs+=(Down); done
    press "${downs[@]}" Return
}

pick_from_dock_menu 2
wait_for 5 not bar_shown Colours
locate_bar File
[ "$BAR_X" -eq "$CLIENT_X" ] || fail "File bar moved"
screenshot hidden-colours >/dev/null

pick_from_dock_menu 1
wait_for 5 not bar_shown File
pick_from_dock_menu 2
wait_for 5 bar_shown Colours
locate_bar Colours
[ "$BAR_X" -eq $((CLIENT_X + 403)) ] && [ "$BAR_Y" -eq $((CLIENT_Y + 23)) ] || fail "Colours came back at $BAR_X,$BAR_Y"
locate_bar "Main Menu"
