#!/usr/bin/env bash
# Wall-clock times of reading N products under Wine: the headless export (scan and report), the bare
# registry loop, and "reg query /s". Every run is a whole process, as a user runs it. The three take
# turns round after round and each keeps its best time, so a busy machine slows them alike.
set -eu
PLUX=$1
BARE=$2
source "$(dirname "$0")/../wine_bench.sh"

printf '%-10s %12s %12s %12s %10s %10s\n' products "export ms" "bare ms" "reg query ms" "vs bare" "vs query"
for count in 1000 10000; do
    import_products "$count"
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
remove_products
