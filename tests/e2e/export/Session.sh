# Sourced by the scripts of this folder, which run plux.exe without a window as a script calls it:
# the end-to-end library (../Library.sh), then checks that count their failures, so that every case of
# a script runs and the script ends with the number of failures it met. old.plx is in the run folder.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../Library.sh"
HEADER='^<TH colspan="2">[^ <]* [A-Za-z]{3} [0-9]{2}-[0-9]{2}-[0-9]{4} [0-9]{2}:[0-9]{2}</TH>$'

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    [ $failures -eq 0 ] && echo "all checks passed"
    exit $((failures > 0))
}
on_exit 'chmod -R u+w "$RUN_DIR"'

# run_plux, with standard error without its CRs in $RUN_DIR/stderr.
plux() {
    run_plux "$@"
    local rc=$?
    tr -d '\r' <"$RUN_DIR/stderr" >"$RUN_DIR/stderr.text" && mv "$RUN_DIR/stderr.text" "$RUN_DIR/stderr"
    return $rc
}
expect_rc() {  # what, expected, actual
    [ "$3" -eq "$2" ] || fail "$1: exit code $3, expected $2 (stderr: $(cat "$RUN_DIR/stderr"))"
}
expect_stderr() {  # what, expected text (lines without CR)
    [ "$(cat "$RUN_DIR/stderr")" = "$2" ] || fail "$1: standard error was: $(cat "$RUN_DIR/stderr")"
}
check_lines() {  # file, expected lines: equal but for the header cell of line 3, every line ended by CR LF
    local lines
    lines=$(wc -l <"$1")
    [ "$(grep -c $'\r$' "$1")" -eq "$lines" ] || fail "$1: not every line ends in CR LF"
    sed -n 3p "$1" | tr -d '\r' | grep -Eq "$HEADER" || fail "$1: header cell: $(sed -n 3p "$1")"
    sed 3d "$2" >"$RUN_DIR/expected"
    sed 3d "$1" | cmp -s - "$RUN_DIR/expected" || { fail "$1 differs:"; sed 3d "$1" | diff - "$RUN_DIR/expected"; }
}
copy_plux
cp "$PLUX_FIXTURES/old.plx" "$RUN_DIR/old.plx"
