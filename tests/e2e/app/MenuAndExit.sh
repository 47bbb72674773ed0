# Alt alone and F10 reach the menu bar, Alt+F opens the File menu, and its access key x exits.
source "$(dirname "$0")/Session.sh"
start_plux

press alt
press Return
poll_until 5 menus_open 1 || fail "Alt, Enter did not open the File menu"
# The first Escape closes the menu and leaves the bar active, the second leaves the bar.
press Escape
press Escape
wait_for 5 menus_open 0
press F10
press Down
poll_until 5 menus_open 1 || fail "F10, Down did not open the File menu"
press Escape
poll_until 5 menus_open 0 || fail "Escape did not close the menu"

press alt+f
poll_until 5 menus_open 1 || fail "Alt+F did not open the File menu"
screenshot file-menu >/dev/null
press x
wait_for_exit 15 || fail "E&xit did not end the program"
