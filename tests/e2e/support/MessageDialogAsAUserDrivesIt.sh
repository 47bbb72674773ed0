#!/usr/bin/env bash
# Drives the message dialog of the test host as a user would (typing, buttons, accelerator, Enter,
# Escape, the close box) and checks what it shows against the layout table and what it answers.
set -uo pipefail
source "$(dirname "$0")/../Library.sh"
pid=""
on_exit '[ -n "$pid" ] && kill "$pid" 2>/dev/null'
# Wine draws the dialog's frame, and so the close box the test clicks, itself only when told to (else
# the window manager draws its own); the key applies to the host alone and goes when the test ends.
settings='HKCU\Software\Wine\AppDefaults\plux_dialog_host.exe'
"$WINE" reg add "$settings\X11 Driver" /v Decorated /d N /f >/dev/null 2>&1
on_exit '"$WINE" reg delete "$settings" /f >/dev/null 2>&1'

# Every scenario runs; the failures are counted.
failures=0 scenario=""
fail() {
    echo "FAIL ($scenario): $*"
    failures=$((failures + 1))
}

# start NAME ARGS...: runs the host and waits (at most 20 s) until its dialog is up.
start() {
    scenario=$1
    shift
    out="$RUN_DIR/$scenario.out"
    "$WINE" "$DIALOG_HOST" "$@" >"$out" 2>&1 &
    pid=$!
    poll_until 20 file_contains "$out" '^ready' || { fail "the dialog did not come up"; cat "$out"; }
    window=$(xdotool search --name "^$(tr -d '\r' <"$out" | sed -n 's/^window .* caption=\[\(.*\)\]$/\1/p')\$" | head -1)
    activate_window "$window"
}

# finish EXPECTED: waits (at most 10 s) for the host to end and checks its last line.
finish() {
    if ! poll_until 10 process_ended "$pid"; then
        fail "the dialog is still open"
        kill "$pid"
    fi
    wait "$pid" 2>/dev/null
    pid=""
    [ "$(tail -1 "$out" | tr -d '\r')" = "$1" ] || fail "answered '$(tail -1 "$out")', expected '$1'"
}

# shows LINE...: each line must begin a line of the host's report.
shows() {
    local line
    for line in "$@"; do
        tr -d '\r' <"$out" | want="$line" awk 'index($0, ENVIRON["want"]) == 1 { found = 1 } END { exit !found }' ||
            fail "does not show: $line"
    done
}

centre() { grep -F "text=[$1]" "$out" | sed 's/.*centre=\([0-9]*\),\([0-9]*\).*/\1 \2/'; }
click() { xdotool mousemove $1 $2 click 1; }

# The input query of Save Result: caption, text, question icon, the name selected, OK and Annuleren.
start proposed ask 1 JDoe 1
shows "window 465 414 350 195 caption=[#1]" \
    "control Edit 60 95 260 21 text=[JDoe] limit=255 selection=0-4 focus=1 upper=0 lower=0 password=0" \
    "control Static 60 20 260 60 text=[Save the results under the name of \\r]" \
    "control Button 60 125 90 30 text=[&OK] default=1" \
    "control Button 200 125 90 30 text=[&Annuleren] default=0"
grep -q '^control Static 10 15 50 50 text=\[\] icon=1$' <(tr -d '\r' <"$out") || fail "no 50 x 50 icon area at 10,15"
screenshot message-dialog-input >/dev/null
xdotool key Return
finish "confirmed=1 answer=[JDoe]"

start typed ask 1 JDoe 1
xdotool type --delay 20 'snap 1'
xdotool key Return
finish "confirmed=1 answer=[snap 1]"

start escaped ask 1 JDoe 1
xdotool type --delay 20 'typed'
xdotool key Escape
finish "confirmed=0 answer=[]"

start cancel-button ask 1 JDoe 1
xdotool type --delay 20 'typed'
click $(centre '&Annuleren')
finish "confirmed=0 answer=[]"

start close-box ask 1 JDoe 1
click $(sed -n 's/^closebox \([0-9-]*\),\([0-9-]*\).*/\1 \2/p' "$out")
finish "confirmed=0 answer=[]"

start accelerator ask 1 JDoe 1
xdotool key alt+a
finish "confirmed=0 answer=[]"

start emptied ask 1 JDoe 1
xdotool key BackSpace Return
finish "confirmed=0 answer=[]"

start not-kept ask 1 JDoe 0
shows "control Edit 60 95 260 21 text=[] limit=255 selection=0-0 focus=1 upper=0 lower=0 password=0"
xdotool type --delay 20 'x'
click $(centre '&OK')
finish "confirmed=1 answer=[x]"

# MaxLength 10 and upper case: 11 "M" wide, centred by (350 - width - 20) / 2, ten characters typed.
start max-length ask 1 JDoe 1 10 1
m=$(sed -n 's/^mwidth \([0-9]*\).*/\1/p' "$out")
width=$((m * 11))
shows "control Edit $(((350 - width - 20) / 2)) 95 $width 21 text=[JDOE] limit=10 selection=0-4 focus=1 upper=1 lower=0 password=0"
xdotool type --delay 20 'abcdefghijklmno'
xdotool key Return
finish "confirmed=1 answer=[ABCDEFGHIJ]"

start question show 3 10027
shows "window 465 424 350 175 caption=[#10027]" \
    "control Static 60 20 260 60 text=[Functie niet aanwezig in deze versie van de Windowsshell\\r]" \
    "control Button 20 105 90 30 text=[&Ja] default=1" \
    "control Button 130 105 90 30 text=[&Nee] default=0" \
    "control Button 240 105 90 30 text=[&Annuleren] default=0"
xdotool key Return
finish "result=6 answer=[]"

start password show 4 10012
shows "control Edit 60 60 260 21 text=[] limit=255 selection=0-0 focus=1 upper=0 lower=0 password=42"
xdotool type --delay 20 'secret'
xdotool key Return
finish "result=1 answer=[secret]"

# More than 80 characters widen the window by 100 and move the buttons by 50; Escape has no
# Cancel button to press here.
start wide show 0 10022
shows "window 415 424 450 175 caption=[#10022]" \
    "control Button 180 105 90 30 text=[&OK] default=1"
xdotool key Escape
# That the dialog stays can only be seen over a while: an ended dialog goes, and its host ends, within
# a moment of the key that ended it (about 2.3 s under Wine without a window manager).
if poll_until 3 process_ended "$pid"; then fail "Escape closed a dialog without Cancel button"; fi
xdotool key Return
finish "result=1 answer=[]"

[ "$failures" -eq 0 ] && echo "message dialog: all scenarios passed"
exit $((failures > 0))
