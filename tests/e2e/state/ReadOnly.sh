# A state file that cannot be written is reported at close with its name; the program ends all the same
# and the file keeps its bytes.
source "$(dirname "$0")/Session.sh"
start_plux
quit_plux
chmod a-w "$(state_file)"  # what Wine shows as the read-only attribute
before=$(md5sum <"$(state_file)")
windows_path="Z:$(tr / '\\' <<<"$(state_file)")"

start_plux
system_menu x
wait_for 10 shown_maximised
probe close-box >/dev/null
# Both components save into the one file, which is written once: one box, and none at the destruction,
# where a second box would keep plux from ending.
box=$(probe message-box) || fail "no error box"
grep -qx 'title Plux' <<<"$box" || fail "error box title: $box"
grep -qxF "text Unable to write to $windows_path." <<<"$box" || fail "error box text: $box"
wait_for_exit 30 || fail "plux did not end after the error"
[ "$(md5sum <"$(state_file)")" = "$before" ] || fail "the read-only state file changed"
