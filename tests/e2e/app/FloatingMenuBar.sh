# The main menu bar always shows: floating, its window has no close box, a click where one would be
# leaves it shown, and Alt with F still opens the File menu.
source "$(dirname "$0")/BarSession.sh"
start_plux
end_plux
float_in_layout 1 $((CLIENT_X + 200)) $((CLIENT_Y + 150))  # Main Menu
start_plux
wait_bar_on "Main Menu" float
screenshot floating-menu-bar >/dev/null

# Where other floating bars have their close box: the right end of the caption strip.
click_at $((FRAME_X + FRAME_W - 11)) $((FRAME_Y + 11))
if poll_until 3 not bar_shown "Main Menu"; then fail "a click on the caption's right end hid the menu bar"; fi
wait_bar_on "Main Menu" float
press alt f
poll_until 10 menus_open 1 || fail "Alt+F did not open the File menu of the floating menu bar"
press Escape Escape
poll_until 10 menus_open 0 || fail "Escape did not close the File menu"

