#!/usr/bin/env bash
# Drives "plux.exe /shtml" against the real registry of the test prefix, as a script or a user would.
set -u
WINE=$1
PLUX=$2
FIXTURES=$3
ROOT_KEY='HKLM\SOFTWARE\Component Suite VCL Products'
HEADER='^<TH colspan="2">[^ <]* [A-Za-z]{3} [0-9]{2}-[0-9]{2}-[0-9]{4} [0-9]{2}:[0-9]{2}</TH>$'

work=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
reset_root() { "$WINE" reg delete "$ROOT_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true; }
# reg.exe has been seen to fail once in a long run for no reason it told; a second try is enough.
import() {
    local attempt
    for attempt in 1 2 3; do
        "$WINE" reg import "$FIXTURES/$1" /reg:32 </dev/null >"$work/reg.log" 2>&1 && return 0
        sleep 1
    done
    fail "cannot import $1: $(tr -d '\r' <"$work/reg.log")"
}
trap 'reset_root; rm -rf "$work"' EXIT
# Runs plux.exe from its own folder, which is then the program folder that holds the snapshots.
plux() { (cd "$work" && "$WINE" ./plux.exe "$@" 2>"$work/stderr" </dev/null); }
check_lines() {  # file, expected lines: equal but for the header cell of line 3, every line ended by CR LF
    local lines
    lines=$(wc -l <"$1")
    [ "$(grep -c $'\r$' "$1")" -eq "$lines" ] || fail "$1: not every line ends in CR LF"
    sed -n 3p "$1" | tr -d '\r' | grep -Eq "$HEADER" || fail "$1: header cell: $(sed -n 3p "$1")"
    sed 3d "$2" >"$work/expected"
    sed 3d "$1" | cmp -s - "$work/expected" || { fail "$1 differs:"; sed 3d "$1" | diff - "$work/expected"; }
}
cp "$PLUX" "$work/plux.exe"
cp "$FIXTURES/old.plx" "$work/old.plx"

# Three products compared with a snapshot holding two of them. The registry enumerates subkeys in
# name order, so the rows come Bars before Grid and each family gets its band.
reset_root
import example.reg
plux /shtml report.html /compare old.plx
rc=$?
[ $rc -eq 1 ] || fail "example with differences: exit code $rc"
check_lines "$work/report.html" "$FIXTURES/example-export-expected.html"

# Standard output, no comparison: the example without its comparison lines.
plux /shtml - >"$work/stdout.html"
rc=$?
[ $rc -eq 0 ] || fail "report to standard output: exit code $rc"
check_lines "$work/stdout.html" <(sed '4d;8d;12d;16d' "$FIXTURES/example-export-expected.html")

# A numeric version ends the check: exit code 2, the message on standard error, the old report kept.
import numeric-version.reg
printf 'previous report' >"$work/report.html"
plux /shtml report.html /compare old.plx
rc=$?
[ $rc -eq 2 ] || fail "numeric version: exit code $rc"
grep -qx $'Invalid data type for \'version\'\r\\?' "$work/stderr" || fail "numeric version: stderr: $(cat "$work/stderr")"
[ "$(cat "$work/report.html")" = "previous report" ] || fail "numeric version: the report file was changed"

# No product root key: the header-only report.
reset_root
plux /shtml - >"$work/empty.html"
rc=$?
[ $rc -eq 0 ] || fail "missing root key: exit code $rc"
check_lines "$work/empty.html" <(printf '%s\r\n' \
    '<table border="1" cellspacing="0" bordercolor=#000000 cellpadding="3">' '<tr>' 'HEADER' '</tr>' '</table>')

[ $failures -eq 0 ] && echo "all export checks passed"
exit $((failures > 0))
