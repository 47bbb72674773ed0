#!/usr/bin/env bash
# Drives "plux.exe /shtml" against the real registry of the test prefix, as a script or a user would.
source "$(dirname "$0")/Session.sh"

# Three products compared with a snapshot holding two of them. The registry enumerates subkeys in
# name order, so the rows come Bars before Grid and each family gets its band.
import_products example.reg
plux /shtml report.html /compare old.plx
expect_rc "example with differences" 1 $?
check_lines "$RUN_DIR/report.html" "$PLUX_FIXTURES/example-export-expected.html"

# Standard output, no comparison: the example without its comparison lines.
plux /shtml - >"$RUN_DIR/stdout.html"
expect_rc "report to standard output" 0 $?
check_lines "$RUN_DIR/stdout.html" <(sed '4d;8d;12d;16d' "$PLUX_FIXTURES/example-export-expected.html")

# The value may follow the switch after a colon or an equals sign.
plux /shtml:colon.html "/compare=old.plx"
expect_rc "attached values" 1 $?
check_lines "$RUN_DIR/colon.html" "$PLUX_FIXTURES/example-export-expected.html"

# A product with a numeric version, among the others, ends the check: exit code 2, the message and the
# product key on standard error, the old report kept.
reg_import "$PLUX_FIXTURES/numeric-version.reg"
printf 'previous report' >"$RUN_DIR/report.html"
plux /shtml report.html /compare old.plx
expect_rc "numeric version" 2 $?
expect_stderr "numeric version" "Invalid data type for 'version'
Product key: HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products\\Tools 1 (Delphi 7) (32-bit view)"
[ "$(cat "$RUN_DIR/report.html")" = "previous report" ] || fail "numeric version: the report file was changed"

# No product root key: the header-only report.
remove_products
plux /shtml - >"$RUN_DIR/empty.html"
expect_rc "missing root key" 0 $?
check_lines "$RUN_DIR/empty.html" <(printf '%s\r\n' \
    '<table border="1" cellspacing="0" bordercolor=#000000 cellpadding="3">' '<tr>' 'HEADER' '</tr>' '</table>')

# A run without a window loads none of the GUI or theme libraries, whatever it writes. The trace names
# the process of each line: Wine's own programs (the desktop, services) load such libraries when the
# server starts them, and their lines must not count, nor may a trace without plux's lines pass.
for run in "/shtml -" "/sjson -" "/scsv csv.csv /save traced"; do
    WINEDEBUG=+pid,+loaddll plux $run >/dev/null
    expect_rc "libraries of a headless run ($run)" 0 $?
    own=$(sed -n 's/^\([0-9a-f]*\):[0-9a-f]*:trace:loaddll:.*Loaded L".*\\plux\.exe".*/\1/p' "$RUN_DIR/stderr")
    [ -n "$own" ] || fail "($run) no trace of plux.exe loading: $(head -c 400 "$RUN_DIR/stderr")"
    loaded=$(grep "^$own:[0-9a-f]*:trace:loaddll:.*Loaded L" "$RUN_DIR/stderr" | sed 's/.*Loaded L"\([^"]*\)".*/\1/')
    grep -qi 'kernel32\.dll$' <<<"$loaded" || fail "($run) the trace lists no kernel32: $loaded"
    gui=$(grep -iE '\\(user32|gdi32|comctl32|comdlg32|winspool|shell32|ole32|oleaut32|oleacc|uxtheme|dwmapi|imm32)\.[a-z]+$' \
        <<<"$loaded")
    [ -z "$gui" ] || fail "a headless run ($run) loaded: $gui"
done

# The usage, and a switch the export does not know.
plux /? >"$RUN_DIR/usage.txt"
expect_rc "usage" 0 $?
grep -q '/sjson FILE' "$RUN_DIR/usage.txt" || fail "usage: $(cat "$RUN_DIR/usage.txt")"
plux /shtml - /colour red >/dev/null
expect_rc "unknown switch" 2 $?
expect_stderr "unknown switch" "Unknown switch /colour
Run plux.exe /? for the switches."
finish
