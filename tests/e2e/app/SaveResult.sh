# Save Result as a user runs it: Ctrl+E, then Ctrl+S and the input dialog, answered with the proposed
# name, a typed one, Cancel and an empty answer; then a save into a folder that refuses new files.
source "$(dirname "$0")/Session.sh"
# The folder is made read-only below; it must be writable again before Session.sh removes it.
trap 'chattr -i "$RUN_DIR" 2>/dev/null || true; cleanup' EXIT

import_products example.reg
start_plux

snapshots() { (cd "$RUN_DIR" && ls -- *.plx 2>/dev/null || true); }

# The products in list order, as the export of the same check lists them.
expected_products() {
    wine_quiet "$RUN_DIR/plux.exe" /shtml - | sed -n 's/^<td>\(.*\)<\/td><td>\(.*\)<\/td>$/\1=\2/p'
}

press ctrl+e
open_save_dialog
user=$DIALOG_EDIT
[ -n "$user" ] || fail "no login name proposed"
screenshot save-result-dialog >/dev/null
answer Return
poll_until 10 test -f "$RUN_DIR/$user.plx" || fail "no $user.plx after confirming the proposed name"
products=$(expected_products)
[ "$(wc -l <<<"$products")" -eq 3 ] || fail "the export lists: $products"
{
    echo "[$user]"
    echo "$products"
} >"$RUN_DIR/expected.txt"
[ "$(tail -c 2 "$RUN_DIR/$user.plx" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "the last line does not end in CR LF"
[ "$(tr -cd '\n' <"$RUN_DIR/$user.plx" | wc -c)" -eq "$(tr -cd '\r' <"$RUN_DIR/$user.plx" | wc -c)" ] ||
    fail "not every line ends in CR LF"
tr -d '\r' <"$RUN_DIR/$user.plx" >"$RUN_DIR/saved.txt"
head -n 4 "$RUN_DIR/saved.txt" | diff "$RUN_DIR/expected.txt" - || fail "section and products in list order"
timestamp=$(sed -n '5p' "$RUN_DIR/saved.txt")
grep -Eq '^\\datetime\\=[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}( [0-9]{1,2}:[0-9]{2}:[0-9]{2} [AP]M)?$' <<<"$timestamp" ||
    fail "timestamp line: $timestamp"
[ "$(wc -l <"$RUN_DIR/saved.txt")" -eq 5 ] || fail "more lines than section, products and timestamp"

open_save_dialog
xdotool type --delay 20 'a*b'
answer Return
poll_until 10 test -f "$RUN_DIR/a_b.plx" || fail "no a_b.plx for the typed name a*b"
[ "$(head -n 1 "$RUN_DIR/a_b.plx")" = $'[a_b]\r' ] || fail "a_b.plx does not hold the section [a_b]"

before=$(snapshots)
open_save_dialog
xdotool type --delay 20 'cancelled'
answer Escape
open_save_dialog
answer BackSpace Return
[ "$(snapshots)" = "$before" ] || fail "Cancel or an empty name wrote a file: $(snapshots)"

# The chooser is filled once, at the start: the new snapshots are not offered yet.
[ "$(probe combo File | grep -c '^item ')" -eq 1 ] || fail "the chooser was refilled after a save"

# A name that Windows opens as a device is refused with an error box before anything is written.
plux_windows() { xdotool search --name '^Plux$' 2>/dev/null | wc -l; }
more_plux_windows() { [ "$(plux_windows)" -gt "$1" ]; }
for name in NUL 'con.txt'; do
    before=$(snapshots)
    windows=$(plux_windows)
    open_save_dialog
    xdotool type --delay 20 "$name"
    answer Return
    poll_until 10 more_plux_windows "$windows" || fail "no error box for the device name $name"
    [ "$name" = NUL ] && screenshot save-result-device-name >/dev/null
    box=$(probe message-box) || fail "no error box for the device name $name"
    grep -qxF "text \"$name\" names a device, not a snapshot file" <<<"$box" &&
        grep -qxF 'Choose another name: Windows keeps CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with any extension, for its devices.' <<<"$box" ||
        fail "error box for $name: $box"
    [ "$(snapshots)" = "$before" ] || fail "the device name $name wrote a file: $(snapshots)"
done
still_running || fail "the window did not survive a device name"

# A folder that refuses new files: root ignores permissions, an immutable folder stops it too.
cp "$RUN_DIR/$user.plx" "$RUN_DIR/before.bin"
chattr +i "$RUN_DIR"
open_save_dialog
answer Return
box=$(probe message-box) || fail "no error box for a read-only program folder"
chattr -i "$RUN_DIR"
expected_text="text Unable to write to Z:$(tr / '\\' <<<"$RUN_DIR")\\$user.plx."
grep -qxF "$expected_text" <<<"$box" || fail "error box: $box (expected $expected_text)"
cmp -s "$RUN_DIR/before.bin" "$RUN_DIR/$user.plx" || fail "the failed save changed $user.plx"
[ -z "$(cd "$RUN_DIR" && ls -A | grep -F "$user.plx.")" ] || fail "a temporary file was left behind"
still_running || fail "the window did not survive the failed save"
