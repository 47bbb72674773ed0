#!/usr/bin/env bash
# Snapshot costs under Wine: Save Result's writing beside plain writes of the same bytes (the
# bench_snapshot_save program), then the export of 10,000 products compared with a matching
# 10,000-key snapshot beside the same export without one. Both exports take turns round after round
# and keep their best wall-clock time.
set -eu
PLUX=$1
SAVE_BENCH=$2
source "$(dirname "$0")/../wine_bench.sh"

"$WINE" "$SAVE_BENCH"

# The snapshot lies in the program folder, so the program runs from the work folder.
cp "$PLUX" "$work/plux.exe"
count=10000
import_products "$count" "$work/base.plx"
plain_ms="" compared_ms=""
for round in $(seq 1 "$ROUNDS"); do
    keep_best plain_ms "$(elapsed_ms "$WINE" "$work/plux.exe" "/shtml=$work/plain.html")"
    keep_best compared_ms "$(elapsed_ms "$WINE" "$work/plux.exe" "/shtml=$work/compared.html" /compare base.plx)"
done
[ "$(wc -l <"$work/compared.html")" -eq $((6 + 4 * count)) ] || { echo "the export did not compare"; exit 1; }
! grep -q 'bgcolor="#ff0000"' "$work/compared.html" || { echo "the matching snapshot shows differences"; exit 1; }
printf '\n%-10s %14s %14s %10s\n' products "export ms" "compared ms" "ratio"
printf '%-10s %14s %14s %9sx\n' "$count" "$plain_ms" "$compared_ms" "$(echo "scale=2; $compared_ms / $plain_ms" | bc)"
remove_products
