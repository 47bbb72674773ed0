#!/usr/bin/env bash
# Runs the team matrix benchmark under Wine in the benchmarks' own prefix, for 250, 500 and 1,000
# reports, so the times show how the run grows with the number of files.
set -eu
BENCH=$1
source "$(dirname "$0")/../wine_bench.sh"
for columns in 250 500 1000; do
    "$WINE" "$BENCH" "$columns" 300 5 </dev/null | tr -d '\r'
done
