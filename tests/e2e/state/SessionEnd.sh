# Log off, shut down and restart end the program without a close: the end of the Windows session of the
# test prefix (wineboot -e) still leaves the moved window's placement in the state file and the bar
# layout in its file, the one the program had not written yet; a file it cannot write holds nothing up.
source "$(dirname "$0")/Session.sh"
start_plux
quit_plux
layout="$(dirname "$(state_file)")/frmPLUX.bar.ini"
rm "$layout"

start_plux
system_menu m Right Right Right Down Down Return  # 8 pixels a key
wait_for_fact bounds "251 130 696 480" "not moved"
timeout 60 "$WINE" wineboot -e </dev/null >/dev/null 2>&1 || fail "wineboot -e failed"
wait_for_exit 30 || fail "plux did not end with the session"
[ "$(stored NormalPos)" = "251,130,947,610" ] || fail "NormalPos=$(stored NormalPos) after the end of the session"
file_contains "$layout" '^BarCount=3$' || fail "no bar layout after the end of the session"

# A state file that cannot be written: no error box holds up the end of the session, and the file keeps
# its bytes.
chmod a-w "$(state_file)"  # what Wine shows as the read-only attribute
before=$(md5sum <"$(state_file)")
start_plux
timeout 60 "$WINE" wineboot -e </dev/null >/dev/null 2>&1 || fail "wineboot -e failed with a read-only state file"
wait_for_exit 30 || fail "plux did not end with the session: $(probe windows)"
[ "$(md5sum <"$(state_file)")" = "$before" ] || fail "the read-only state file changed"
