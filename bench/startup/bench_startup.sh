#!/usr/bin/env bash
# The first window of plux.exe beside a minimal window program, under Wine on an X display (started
# when none answers) in a prefix of its own (build/wine-bench-window). Plux runs from a work folder, so
# that its data folder beside it starts empty; the timer's first run of it writes its state files.
set -eu
PLUX=$1
MINIMAL=$2
TIMER=$3
source "$(dirname "$0")/../../tools/common.sh"
ensure_packages xvfb xdotool
use_wine_prefix wine-bench-window
ensure_display
work=$(mktemp -d)
trap 'stop_wine; stop_display; rm -rf "$work"' EXIT
start_wine
cp "$PLUX" "$work/plux.exe"
cp "$MINIMAL" "$work/minimal.exe"
# The timer itself keeps the prefix's desktop process up between the runs, as it is for a user.
folder="Z:${work//\//\\}"
"$WINE" "$TIMER" "${ROUNDS:-15}" "$folder\\plux.exe" "$folder\\minimal.exe /controls" "$folder\\minimal.exe"
