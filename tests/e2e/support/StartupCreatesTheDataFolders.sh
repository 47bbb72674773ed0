#!/usr/bin/env bash
# Runs the headless export of a copy of plux.exe whose settings file moves the user data folder, and
# checks the folders start-up created beside it.
set -euo pipefail
source "$(dirname "$0")/../Library.sh"
printf '[plux]\r\nUserDataFolder=:exe:Shared;\r\nExeDataFolder=:EXE:Exe\\Deep\r\n' >"$RUN_DIR/PrgSttng.ini"
run_plux /shtml report.html || fail "the export ended with status $?: $(cat "$RUN_DIR/stderr")"
for folder in Data Shared Exe/Deep report.html; do
    [ -e "$RUN_DIR/$folder" ] || fail "missing: $folder; $(ls -R "$RUN_DIR")"
done
echo "start-up created Data, Shared and Exe/Deep"
