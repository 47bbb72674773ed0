#!/usr/bin/env bash
# A save killed at any moment leaves a whole snapshot, the old one or the new one, and the next save that
# runs to its end leaves no temporaries behind. "/save base" of COUNT products (default 2,000) over an
# existing base.plx runs under Wine KILLS times (default 100), each run killed at a random moment; after
# each kill base.plx must hold the old bytes or the new snapshot whole. The moments are spread evenly
# from shortly before the check ends (timed as an export to NUL) to shortly after the whole save ends,
# where the snapshot is written. Prints what the kills left, then runs one save to its end and checks
# that no temporary is left.
set -eu
PLUX=$1
source "$(dirname "$0")/../wine_bench.sh"
COUNT=${COUNT:-2000}
KILLS=${KILLS:-100}

# The old snapshot differs from the new one in every value, so that a mix of the two shows.
cp "$PLUX" "$work/plux.exe"
import_products "$COUNT" "$work/base.plx"
sed -i 's/=/=0./' "$work/base.plx"
cp "$work/base.plx" "$work/old.bin"

# The check alone and the save at full length, each the best of five runs; the new snapshot without its
# timestamp.
mkdir "$work/whole"
cp "$work/plux.exe" "$work/whole/"
check_ms="" whole_ms=""
for round in 1 2 3 4 5; do
    cp "$work/old.bin" "$work/whole/base.plx"
    keep_best check_ms "$(elapsed_ms "$WINE" "$work/whole/plux.exe" /shtml NUL)"
    keep_best whole_ms "$(elapsed_ms "$WINE" "$work/whole/plux.exe" /save base)"
done
without_timestamp() { grep -av '^\\datetime\\=' "$1"; }
without_timestamp "$work/whole/base.plx" >"$work/new.txt"
cmp -s "$work/whole/base.plx" "$work/old.bin" && { echo "the save changed nothing"; exit 1; }
[ "$(wc -l <"$work/new.txt")" -eq $((COUNT + 1)) ] || { echo "the whole save wrote $(wc -l <"$work/new.txt") lines"; exit 1; }

# old, new, or what else base.plx holds now.
verdict() {
    local file="$work/base.plx"
    if [ ! -e "$file" ]; then echo missing
    elif cmp -s "$file" "$work/old.bin"; then echo old
    elif without_timestamp "$file" | cmp -s - "$work/new.txt" && [ "$(grep -ac '^\\datetime\\=' "$file")" -eq 1 ] &&
        [ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' ')" = 0d0a ]; then echo new
    else echo broken
    fi
}
temporary_names() { find "$work" -maxdepth 1 -name 'base.plx.~*' -printf '%f\n' | sort; }
temporaries() { temporary_names | wc -l; }
# Files that are neither ours nor the program's own output.
strays() { find "$work" -maxdepth 1 -type f ! -name plux.exe ! -name base.plx ! -name old.bin ! -name new.txt \
    ! -name products.reg ! -name 'base.plx.~*' | wc -l; }

# A busy machine can time the check above the whole save.
from_ms=$(((check_ms < whole_ms ? check_ms : whole_ms) * 9 / 10)) to_ms=$((whole_ms * 11 / 10))
declare -A outcomes=([old]=0 [new]=0 [missing]=0 [broken]=0)
left_at_most=0 leaving_kills=0
for kill in $(seq 1 "$KILLS"); do
    cp "$work/old.bin" "$work/base.plx"
    temporary_names >"$work/before.txt"
    delay_ms=$((from_ms + RANDOM * (to_ms - from_ms) / 32767))
    (cd "$work" && exec "$WINE" ./plux.exe /save base </dev/null >/dev/null 2>&1) &
    pid=$!
    sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    outcome=$(verdict)
    outcomes[$outcome]=$((outcomes[$outcome] + 1))
    [ "$outcome" = old ] || [ "$outcome" = new ] || echo "kill $kill at $delay_ms ms left the snapshot $outcome"
    left=$(temporaries)
    [ "$left" -le "$left_at_most" ] || left_at_most=$left
    # A kill while the temporary was open leaves one that was not there before.
    [ -z "$(temporary_names | comm -13 "$work/before.txt" -)" ] || leaving_kills=$((leaving_kills + 1))
done
rm "$work/before.txt"
left_after_kills=$(temporaries)
strays_after_kills=$(strays)

"$WINE" "$work/plux.exe" /save base </dev/null >/dev/null 2>&1 || { echo "the final save failed"; exit 1; }
final=$(verdict)

echo
printf '%-38s %s\n' "products" "$COUNT" "check alone (ms)" "$check_ms" "whole save (ms)" "$whole_ms" \
    "kills, from ms to ms" "$KILLS, $from_ms to $to_ms" \
    "kills that left the old snapshot" "${outcomes[old]}" "kills that left the new snapshot" "${outcomes[new]}" \
    "kills that left no snapshot" "${outcomes[missing]}" "kills that left a broken snapshot" "${outcomes[broken]}" \
    "kills that left a temporary" "$leaving_kills" "temporaries at most at one time" "$left_at_most" \
    "temporaries after the kills" "$left_after_kills" \
    "other files after the kills" "$strays_after_kills" "after the next whole save" "$final snapshot" \
    "temporaries after it" "$(temporaries)"
remove_products
[ $((outcomes[missing] + outcomes[broken])) -eq 0 ] && [ "$final" = new ] && [ "$(temporaries)" -eq 0 ]
