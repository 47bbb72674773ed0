# The dock's context menu lists the toolbars; picking one hides or shows it, the others keep their place.
source "$(dirname "$0")/Session.sh"
start_plux
free_x=$((CLIENT_X + 400)) free_y=$((CLIENT_Y + 11))  # the menu bar right of its menus, always there

# Picks entry $1 (from 1) of the dock's context menu by keys.
pick_from_dock_menu() {
    xdotool mousemove $free_x $free_y click 3
    sleep 0.5
    local downs=()
    for _ in $(seq 1 "$1"); do downs+=(Down); done
    press "${downs[@]}" Return
    sleep 0.5
}

pick_from_dock_menu 2
! probe bar Colours >/dev/null || fail "Colours still shown"
locate_bar File
[ "$BAR_X" -eq "$CLIENT_X" ] || fail "File bar moved"
screenshot hidden-colours >/dev/null

pick_from_dock_menu 1
! probe bar File >/dev/null || fail "File still shown"
pick_from_dock_menu 2
locate_bar Colours
[ "$BAR_X" -eq $((CLIENT_X + 403)) ] && [ "$BAR_Y" -eq $((CLIENT_Y + 23)) ] || fail "Colours came back at $BAR_X,$BAR_Y"
locate_bar "Main Menu"
