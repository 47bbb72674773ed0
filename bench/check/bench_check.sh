#!/usr/bin/env bash
# Wall-clock times of reading N products under Wine: the headless export as HTML and as JSON, the bare
# registry loop, and "reg query /s". Every run is a whole process, as a user runs it. The four take
# turns round after round and the median of each is shown, so a busy machine slows them alike; each
# round starts with the next of them, as a process that starts right after "reg query" was seen to
# run slower.
set -eu
PLUX=$1
BARE=$2
source "$(dirname "$0")/../wine_bench.sh"
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { echo "scale=2; $1 / $2" | bc; }

printf '%-9s %9s %9s %9s %9s %11s %11s %11s\n' products "html ms" "json ms" "bare ms" "query ms" \
    "html/bare" "json/html" "query/html"
for count in 0 1000 10000; do
    import_products "$count"
    html=() json=() bare=() query=()
    for round in $(seq 1 "$ROUNDS"); do
        for turn in 0 1 2 3; do
            case $(((round + turn) % 4)) in
                0) html+=("$(elapsed_ms "$WINE" "$PLUX" "/shtml=$work/report.html")") ;;
                1) json+=("$(elapsed_ms "$WINE" "$PLUX" "/sjson=$work/report.json")") ;;
                2) bare+=("$(elapsed_ms "$WINE" "$BARE")") ;;
                3) query+=("$(elapsed_ms "$WINE" reg query "$ROOT_KEY" /s /reg:32)") ;;
            esac
        done
    done
    lines=$(wc -l <"$work/report.html")
    [ "$lines" -eq $((5 + 3 * count)) ] || { echo "unexpected report of $lines lines"; exit 1; }
    python3 -c 'import json, sys; assert len(json.load(open(sys.argv[1]))["products"]) == int(sys.argv[2])' \
        "$work/report.json" "$count" || { echo "unexpected JSON report"; exit 1; }
    h=$(median "${html[@]}") j=$(median "${json[@]}") b=$(median "${bare[@]}") q=$(median "${query[@]}")
    printf '%-9s %9s %9s %9s %9s %10sx %10sx %10sx\n' "$count" "$h" "$j" "$b" "$q" \
        "$(ratio "$h" "$b")" "$(ratio "$j" "$h")" "$(ratio "$q" "$h")"
done
remove_products
