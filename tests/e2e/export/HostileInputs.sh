#!/usr/bin/env bash
# Hostile inputs to the export under Wine, where the platform decides: device names, pipes and folders as
# snapshots, devices, links and read-only files as report files, switches that swallow each other.
source "$(dirname "$0")/Session.sh"
import_products example.reg
snapshot_kept() { cmp -s "$RUN_DIR/old.plx" "$PLUX_FIXTURES/old.plx" || fail "$1: the snapshot was changed"; }

# A choice that names no snapshot file: devices (reading a serial port would hang), a pipe, a folder, a
# typo. Nothing is compared, so nothing is written.
mkfifo "$RUN_DIR/pipe.plx"
mkdir "$RUN_DIR/folder.plx"
for choice in aux aux.plx com1 com1.plx con nul prn lpt1.plx pipe.plx folder.plx olt.plx; do
    printf 'previous' >"$RUN_DIR/report.html"
    plux /shtml report.html /compare "$choice"
    expect_rc "compare $choice" 2 $?
    grep -q "^No snapshot .*\\\\$choice\$" "$RUN_DIR/stderr" || fail "compare $choice: $(cat "$RUN_DIR/stderr")"
    [ "$(cat "$RUN_DIR/report.html")" = previous ] || fail "compare $choice: the report was written"
done
plux /shtml - /compare "<nothing>" >/dev/null
expect_rc "compare <nothing>" 0 $?

# Switches whose value is missing or is the next switch: nothing is written anywhere.
for args in '/shtml|/compare|old.plx' '/shtml||/compare|old.plx' '/shtml|   |/compare|old.plx' '/shtml:|/compare|old.plx'; do
    IFS='|' read -r -a argv <<<"$args"
    plux "${argv[@]}"
    expect_rc "swallowed switch ${argv[*]}" 2 $?
    head -1 "$RUN_DIR/stderr" | grep -q '^Missing file name after /shtml$' || fail "${argv[*]}: $(cat "$RUN_DIR/stderr")"
    [ ! -e /compare ] && [ ! -e "$RUN_DIR/compare" ] || fail "${argv[*]}: a file named compare was written"
done

# A value that starts with "/" is read as a switch: the message says so and shows the attached form.
plux /shtml /tmp/r.html
expect_rc "a path that starts with a slash" 2 $?
expect_stderr "a path that starts with a slash" 'Missing file name after /shtml: /tmp/r.html starts with "/", so it is read as a switch
Write the value onto its switch: /shtml=/tmp/r.html'

# A snapshot name that Windows opens as a device is refused before anything is written: NUL would
# save nothing and print a path, CON would fail late.
for name in NUL CON nul.txt 'Aux.' 'com1 .x' 'lpt1:'; do
    : >"$RUN_DIR/stdout"
    ls "$RUN_DIR" >"$RUN_DIR/before.list"
    plux /save "$name" /shtml report.html >"$RUN_DIR/stdout"
    expect_rc "save as $name" 2 $?
    [ "$(head -1 "$RUN_DIR/stderr")" = "\"$name\" names a device, not a snapshot file" ] ||
        fail "save as $name: $(cat "$RUN_DIR/stderr")"
    [ ! -s "$RUN_DIR/stdout" ] || fail "save as $name printed: $(cat "$RUN_DIR/stdout")"
    ls "$RUN_DIR" | cmp -s - "$RUN_DIR/before.list" || fail "save as $name wrote: $(ls "$RUN_DIR")"
done

# The report never overwrites the snapshot it compares with, however it is named.
for target in old.plx OLD.PLX ./old.plx "$(cd "$RUN_DIR" && "$WINE" winepath -w "$RUN_DIR/old.plx" 2>/dev/null | tr -d '\r')"; do
    plux /shtml "$target" /compare old.plx
    expect_rc "report over the snapshot as $target" 2 $?
    head -1 "$RUN_DIR/stderr" | grep -qF "Unable to write to $target" || fail "over $target: $(cat "$RUN_DIR/stderr")"
    snapshot_kept "report over the snapshot as $target"
done
ln -s old.plx "$RUN_DIR/alias.html"
plux /shtml alias.html /compare old.plx
expect_rc "report over the snapshot through a link" 2 $?
snapshot_kept "report over the snapshot through a link"

# Devices are written directly: NUL asks for the exit code only.
plux /shtml NUL /compare old.plx
expect_rc "report to NUL" 1 $?
plux /shtml nul.html /sjson NUL
expect_rc "reports to nul.html and NUL" 0 $?
[ ! -e "$RUN_DIR/nul.html" ] || fail "nul.html became a file"
plux /shtml 'Z:\dev\null'
expect_rc "report to a Unix device" 0 $?

# A read-only report file is refused with the system's reason; links are written through to their
# targets. (The attributes a replaced file keeps are checked by the Win32 tests of the file system.)
printf 'locked' >"$RUN_DIR/locked.html"
chmod 444 "$RUN_DIR/locked.html"
plux /shtml locked.html
expect_rc "read-only report" 2 $?
expect_stderr "read-only report" "Unable to write to locked.html
locked.html is read-only"
[ "$(cat "$RUN_DIR/locked.html")" = locked ] || fail "read-only report: the file was changed"
printf 'old' >"$RUN_DIR/target.html"
ln -s target.html "$RUN_DIR/symlink.html"
printf 'old' >"$RUN_DIR/hard.html"
ln "$RUN_DIR/hard.html" "$RUN_DIR/hardlink.html"
for link in symlink.html hardlink.html; do
    plux /shtml "$link"
    expect_rc "report through $link" 0 $?
done
[ -L "$RUN_DIR/symlink.html" ] || fail "the symbolic link was replaced by a file"
grep -q '^</table>' "$RUN_DIR/target.html" || fail "the symbolic link's target was not written"
grep -q '^</table>' "$RUN_DIR/hard.html" || fail "the hard link's other name was not written"
ls "$RUN_DIR" | grep -q '\.~' && fail "temporaries left: $(ls "$RUN_DIR")"

# The reasons a user needs: a missing folder, a path too long.
plux /shtml 'no such folder\r.html'
expect_rc "missing folder" 2 $?
expect_stderr "missing folder" 'Unable to write to no such folder\r.html
The folder no such folder does not exist'
long=$(printf 'x%.0s' $(seq 1 300))
plux /shtml "$long.html"
expect_rc "path too long" 2 $?
[ "$(head -1 "$RUN_DIR/stderr")" = "Unable to write to $long.html" ] && [ "$(wc -l <"$RUN_DIR/stderr")" -eq 2 ] ||
    fail "path too long: $(cat "$RUN_DIR/stderr")"
finish
