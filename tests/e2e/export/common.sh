# Sourced by the export's end-to-end scripts, whose parameters are Wine, plux.exe and the fixture
# folder. Each script works in a folder of its own that holds a copy of plux.exe, which is then the
# program folder that holds the snapshots; the product root key of the test prefix is reset when the
# script ends.
WINE=$1
PLUX=$2
FIXTURES=$3
ROOT_KEY='HKLM\SOFTWARE\Component Suite VCL Products'
HEADER='^<TH colspan="2">[^ <]* [A-Za-z]{3} [0-9]{2}-[0-9]{2}-[0-9]{4} [0-9]{2}:[0-9]{2}</TH>$'

work=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() { [ $failures -eq 0 ] && echo "all checks passed"; exit $((failures > 0)); }
reset_root() { "$WINE" reg delete "$ROOT_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true; }
# reg.exe has been seen to fail once in a long run for no reason it told; a second try is enough.
import() {
    local attempt
    for attempt in 1 2 3; do
        "$WINE" reg import "$1" /reg:32 </dev/null >"$work/reg.log" 2>&1 && return 0
        sleep 1
    done
    fail "cannot import $1: $(tr -d '\r' <"$work/reg.log")"
}
trap 'chmod -R u+w "$work"; reset_root; rm -rf "$work"' EXIT
# Runs plux.exe from its folder; standard error lands in $work/stderr without its CRs. A run that
# takes longer than 60 s counts as hanging (exit code 124).
plux() {
    (cd "$work" && timeout 60 "$WINE" ./plux.exe "$@" 2>"$work/stderr.raw" </dev/null)
    local rc=$?
    tr -d '\r' <"$work/stderr.raw" >"$work/stderr"
    return $rc
}
expect_rc() {  # what, expected, actual
    [ "$3" -eq "$2" ] || fail "$1: exit code $3, expected $2 (stderr: $(cat "$work/stderr"))"
}
expect_stderr() {  # what, expected text (lines without CR)
    [ "$(cat "$work/stderr")" = "$2" ] || fail "$1: standard error was: $(cat "$work/stderr")"
}
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
