#!/usr/bin/env bash
# Runs a unit test program under Wine: wine_test_program.sh WINE PROGRAM ARGUMENTS...
# Now and then, on a loaded machine, a Wine process ends within milliseconds with a failure code before
# the program in it runs; it then prints nothing at all, while a test program always prints before its
# first test. Only such a start is made once more, and says so; a program that ran is never run again,
# so a test that fails now and then still fails.
wine=$1
shift
stdout=$(mktemp) && stderr=$(mktemp) || exit 1
trap 'rm -f "$stdout" "$stderr"' EXIT
for attempt in 1 2; do
    "$wine" "$@" >"$stdout" 2>"$stderr"
    status=$?
    [ "$status" -ne 0 ] && [ ! -s "$stdout" ] && [ ! -s "$stderr" ] && [ "$attempt" -eq 1 ] || break
    echo "Wine ended with status $status before the test program printed anything; starting it again" >&2
done
cat "$stdout"
cat "$stderr" >&2
exit "$status"
