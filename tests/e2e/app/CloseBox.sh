# The close box ends the program as Exit does.
source "$(dirname "$0")/Session.sh"
start_plux
probe close-box || fail "no window to close"
wait_for_exit 15 || fail "the close box did not end the program"
