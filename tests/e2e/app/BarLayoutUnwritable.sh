# A layout file that cannot be written (a folder has taken its name): the start shows the designed bars,
# the close shows the failed save in the application's error box, and plux still ends.
source "$(dirname "$0")/BarSession.sh"
start_plux
end_plux
file=$(layout_file)
rm "$file"
mkdir "$file"
start_plux
bar_facts Colours
[ "$SIDE" = Top ] && [ "$BAR_X" -eq $((CLIENT_X + 403)) ] || fail "Colours is not where it was designed: $SIDE $BAR_X"

probe close-box >/dev/null
answer_box() { BOX=$(probe message-box); }
wait_for 30 answer_box
grep -qx 'title Plux' <<<"$BOX" || fail "error box title: $BOX"
grep -q "^text Unable to write to .*\\\\formdata\\\\frmPLUX.bar.ini\\.$" <<<"$BOX" || fail "error box text: $BOX"
wait_for_exit 30 || fail "plux did not end after the error box"
[ -d "$file" ] || fail "the folder in the file's place has gone"
