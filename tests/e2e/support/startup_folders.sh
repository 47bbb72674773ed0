#!/usr/bin/env bash
# Usage: startup_folders.sh WINE PLUX_EXE
# Runs the headless export of a copy of plux.exe whose settings file moves the user data folder, and
# checks the folders start-up created beside it.
set -euo pipefail
wine=$1
exe=$2
dir=$(mktemp -d "${TMPDIR:-/tmp}/plux-startup-XXXXXX")
trap 'rm -rf "$dir"' EXIT
cp "$exe" "$dir/plux.exe"
printf '[plux]\r\nUserDataFolder=:exe:Shared;\r\nExeDataFolder=:EXE:Exe\\Deep\r\n' > "$dir/PrgSttng.ini"
(cd "$dir" && timeout 60 "$wine" ./plux.exe /shtml report.html)
for folder in Data Shared Exe/Deep report.html; do
    [ -e "$dir/$folder" ] || { echo "missing: $folder"; ls -R "$dir"; exit 1; }
done
echo "start-up created Data, Shared and Exe/Deep"
