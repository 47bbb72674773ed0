# Where the window was and whether it was maximised or minimised comes back at the next start. The window
# is moved, sized, maximised, restored and minimised through its system menu (as Alt+Space opens it) by
# keys; the minimised program is restored and closed the way its task bar button does it.
source "$(dirname "$0")/Session.sh"
start_plux
system_menu m Right Right Right Down Down Return  # 8 pixels a key
wait_for_fact bounds "251 130 696 480" "not moved"
system_menu s Right Right Right Return  # the first arrow picks the edge
wait_for_fact bounds "251 130 712 480" "not widened"
system_menu s Down Down Down Down Return
wait_for_fact bounds "251 130 712 504" "not heightened"
quit_plux
[ "$(stored NormalPos)" = "251,130,963,634" ] || fail "NormalPos=$(stored NormalPos)"
[ "$(stored ShowCmd)" = 1 ] || fail "ShowCmd=$(stored ShowCmd)"

start_plux
has_fact bounds "251 130 712 504" || fail "the next start is at $(window_fact bounds)"
wait_for 5 window_settled "$X_WINDOW"
screenshot state-restored-normal
system_menu x
wait_for 10 shown_maximised
[ "$(window_fact bounds | cut -d' ' -f3)" -ge 1280 ] || fail "maximised to $(window_fact bounds)"
system_menu r
wait_for_fact bounds "251 130 712 504" "not restored"
system_menu x
wait_for 10 shown_maximised
quit_plux
[ "$(stored ShowCmd)" = 3 ] || fail "closed maximised: ShowCmd=$(stored ShowCmd)"
[ "$(stored NormalPos)" = "251,130,963,634" ] || fail "closed maximised: NormalPos=$(stored NormalPos)"

# The window shown maximised at its first show keeps the rectangle to restore to. (Without a window
# manager, Wine marks such a window maximised on its X window, where nobody clears the mark again: it
# soon draws the window at its normal rectangle while it stays maximised, and maximises it again after
# a Restore; so the window state is asked here, and the rectangle the program keeps is what it writes.)
launch_plux shown_maximised
screenshot state-maximised-start
quit_plux
[ "$(stored ShowCmd)" = 3 ] || fail "closed after a maximised start: ShowCmd=$(stored ShowCmd)"
[ "$(stored NormalPos)" = "251,130,963,634" ] || fail "closed after a maximised start: NormalPos=$(stored NormalPos)"

launch_plux shown_maximised
system_menu n
probe wait-iconic 10 || fail "the application did not minimise"
probe taskbar-close >/dev/null
wait_for_exit 30 || fail "closing the minimised program did not end it"
[ "$(stored ShowCmd)" = 2 ] || fail "closed minimised: ShowCmd=$(stored ShowCmd)"

launch_plux application_minimised
probe taskbar-restore >/dev/null
wait_for_fact visible 1 "the window did not come back"
has_fact bounds "251 130 712 504" || fail "restored from the task bar to $(window_fact bounds)"
quit_plux
[ "$(stored ShowCmd)" = 1 ] || fail "closed restored: ShowCmd=$(stored ShowCmd)"
