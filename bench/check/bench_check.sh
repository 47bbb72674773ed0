#!/usr/bin/env bash
# Wall-clock times of reading N products under Wine: the headless export (scan and report), the bare
# registry loop, and "reg query /s". Every run is a whole process, as a user runs it. The three take
# turns round after round and each keeps its best time, so a busy machine slows them alike.
set -eu
PLUX=$1
BARE=$2
source "$(dirname "$0")/../../tools/common.sh"
ensure_packages bc python3
use_wine_prefix wine-bench
unset DISPLAY
trap stop_wine EXIT
start_wine
ROOT_KEY='HKLM\SOFTWARE\Component Suite VCL Products'
work=$(mktemp -d)
trap 'stop_wine; rm -rf "$work"' EXIT

ROUNDS=${ROUNDS:-10}
elapsed_ms() {
    local start end
    start=$(date +%s%N)
    "$@" </dev/null >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}
keep_best() { [ -z "${!1}" ] || [ "$2" -lt "${!1}" ] && printf -v "$1" '%s' "$2"; return 0; }

printf '%-10s %12s %12s %12s %10s %10s\n' products "export ms" "bare ms" "reg query ms" "vs bare" "vs query"
for count in 1000 10000; do
    python3 - "$count" "$work/products.reg" <<'PY'
import sys
count, path = int(sys.argv[1]), sys.argv[2]
root = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products"
families = ["Grid 4", "Bars 5", "Editors 3", "Charts 2", "Reports 6"]
lines = ["REGEDIT4", "", f"[{root}]", ""]
for i in range(count):
    name = f"{families[i % len(families)]} Pack {i // len(families):05d} (Delphi {5 + i % 7})"
    lines += [f"[{root}\\{name}]", f'"version"="{1 + i % 9}.{i % 13}"', ""]
open(path, "w", newline="\r\n").write("\n".join(lines) + "\n")
PY
    "$WINE" reg delete "$ROOT_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true
    "$WINE" reg import "$work/products.reg" /reg:32 </dev/null >/dev/null 2>&1
    export_ms="" bare_ms="" query_ms=""
    for round in $(seq 1 "$ROUNDS"); do
        keep_best export_ms "$(elapsed_ms "$WINE" "$PLUX" /shtml "$work/report.html")"
        keep_best bare_ms "$(elapsed_ms "$WINE" "$BARE")"
        keep_best query_ms "$(elapsed_ms "$WINE" reg query "$ROOT_KEY" /s /reg:32)"
    done
    lines=$(wc -l <"$work/report.html")
    [ "$lines" -eq $((5 + 3 * count)) ] || { echo "unexpected report of $lines lines"; exit 1; }
    printf '%-10s %12s %12s %12s %9sx %9sx\n' "$count" "$export_ms" "$bare_ms" "$query_ms" \
        "$(echo "scale=2; $export_ms / $bare_ms" | bc)" "$(echo "scale=2; $query_ms / $export_ms" | bc)"
done
"$WINE" reg delete "$ROOT_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true
