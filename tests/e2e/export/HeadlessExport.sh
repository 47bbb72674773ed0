#!/usr/bin/env bash
# Drives "plux.exe /shtml" against the real registry of the test prefix, as a script or a user would.
set -uo pipefail
source "$(dirname "$0")/../Library.sh"
HEADER='^<TH colspan="2">[^ <]* [A-Za-z]{3} [0-9]{2}-[0-9]{2}-[0-9]{4} [0-9]{2}:[0-9]{2}</TH>$'

# Every case runs; the failures are counted.
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
check_lines() {  # file, expected lines: equal but for the header cell of line 3, every line ended by CR LF
    local lines
    lines=$(wc -l <"$1")
    [ "$(grep -c $'\r$' "$1")" -eq "$lines" ] || fail "$1: not every line ends in CR LF"
    sed -n 3p "$1" | tr -d '\r' | grep -Eq "$HEADER" || fail "$1: header cell: $(sed -n 3p "$1")"
    sed 3d "$2" >"$RUN_DIR/expected"
    sed 3d "$1" | cmp -s - "$RUN_DIR/expected" || { fail "$1 differs:"; sed 3d "$1" | diff - "$RUN_DIR/expected"; }
}
cp "$PLUX_FIXTURES/old.plx" "$RUN_DIR/old.plx"

# Three products compared with a snapshot holding two of them. The registry enumerates subkeys in
# name order, so the rows come Bars before Grid and each family gets its band.
import_products example.reg
run_plux /shtml report.html /compare old.plx
rc=$?
[ $rc -eq 1 ] || fail "example with differences: exit code $rc"
check_lines "$RUN_DIR/report.html" "$PLUX_FIXTURES/example-export-expected.html"

# Standard output, no comparison: the example without its comparison lines.
run_plux /shtml - >"$RUN_DIR/stdout.html"
rc=$?
[ $rc -eq 0 ] || fail "report to standard output: exit code $rc"
check_lines "$RUN_DIR/stdout.html" <(sed '4d;8d;12d;16d' "$PLUX_FIXTURES/example-export-expected.html")

# A product with a numeric version, among the others, ends the check: exit code 2, the message on
# standard error, the old report kept.
reg_import numeric-version.reg
printf 'previous report' >"$RUN_DIR/report.html"
run_plux /shtml report.html /compare old.plx
rc=$?
[ $rc -eq 2 ] || fail "numeric version: exit code $rc"
grep -qx $'Invalid data type for \'version\'\r\\?' "$RUN_DIR/stderr" ||
    fail "numeric version: stderr: $(cat "$RUN_DIR/stderr")"
[ "$(cat "$RUN_DIR/report.html")" = "previous report" ] || fail "numeric version: the report file was changed"

# No product root key: the header-only report.
remove_products
run_plux /shtml - >"$RUN_DIR/empty.html"
rc=$?
[ $rc -eq 0 ] || fail "missing root key: exit code $rc"
check_lines "$RUN_DIR/empty.html" <(printf '%s\r\n' \
    '<table border="1" cellspacing="0" bordercolor=#000000 cellpadding="3">' '<tr>' 'HEADER' '</tr>' '</table>')

[ $failures -eq 0 ] && echo "all export checks passed"
exit $((failures > 0))
