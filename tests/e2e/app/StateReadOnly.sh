# A state file that cannot be written is reported at close with its name; the program ends all the same
# and the file keeps its bytes.
source "$(dirname "$0")/StateSession.sh"
start_plux
close_plux
chmod a-w "$(state_file)"  # what Wine shows as the read-only attribute
before=$(md5sum <"$(state_file)")
windows_path="Z:$(tr / '\\' <<<"$(state_file)")"

start_plux
system_menu x
wait_until 10 shown_maximised || fail "not maximised"
probe close-box >/dev/null
boxes=0
while box=$(probe message-box); do
    boxes=$((boxes + 1))
    grep -qx 'title Plux' <<<"$box" || fail "error box title: $box"
    grep -qxF "text Unable to write to $windows_path." <<<"$box" || fail "error box text: $box"
    [ "$boxes" -lt 10 ] || fail "the error boxes do not end"
done
[ "$boxes" -ge 1 ] || fail "no error box at close"
wait_for_exit 30 || fail "plux did not end after the error"
[ "$(md5sum <"$(state_file)")" = "$before" ] || fail "the read-only state file changed"
