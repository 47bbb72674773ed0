#!/usr/bin/env bash
# Registry names that end in blanks, and names and versions that a spreadsheet would run as formulas
# (beginning with "+", "@" and "=").
# Against a snapshot saved from the same products (whose keys the profile functions write trimmed) and
# one written by hand in other letter case, the HTML report, the JSON and CSV statuses and the exit code
# all say "no difference"; the CSV cells that begin like formulas open as text.
source "$(dirname "$0")/Session.sh"
import_products blank-and-formula-names.reg

plux /save base >/dev/null
expect_rc "save base" 0 $?
grep -q $'^Grid 4 (Delphi 7)=4.2\r$' "$RUN_DIR/base.plx" || fail "base.plx: $(cat "$RUN_DIR/base.plx")"
printf '[HAND]\r\nGRID 4 (delphi 7)=4.2\r\n  bars 5 (DELPHI 7) = "5.1"\r\n+charts 2 (Delphi 7)=@5\r\n@TOOLS (Delphi 6)==1+2\r\n' \
    >"$RUN_DIR/hand.plx"

for snapshot in base hand; do
    plux /shtml "$snapshot.html" /sjson "$snapshot.json" /scsv "$snapshot.csv" /compare "$snapshot.plx"
    expect_rc "reports against $snapshot.plx" 0 $?
    # Every product row has its comparison cell, and none is red.
    [ "$(grep -c '^<td>.*</td><td>.*</td>' "$RUN_DIR/$snapshot.html")" -eq 4 ] &&
        [ "$(grep -c '^<td>[^<]*</td>'$'\r''$' "$RUN_DIR/$snapshot.html")" -eq 4 ] &&
        ! grep -q '#ff0000' "$RUN_DIR/$snapshot.html" ||
        fail "$snapshot.html shows a difference: $(cat "$RUN_DIR/$snapshot.html")"
    python3 - "$RUN_DIR/$snapshot.json" "$RUN_DIR/$snapshot.csv" <<'PY' || fail "$snapshot: the JSON and CSV reports disagree"
import csv, json, sys
products = json.load(open(sys.argv[1], encoding="utf-8"))["products"]
assert [(p["name"], p["family"], p["status"]) for p in products] == [
    ("+Charts 2 (Delphi 7)", "+Charts 2", "same"),
    ("@Tools (Delphi 6)", "@Tools", "same"),
    ("Bars 5 (Delphi 7)  ", "Bars 5", "same"),
    ("Grid 4 (Delphi 7) ", "Grid 4", "same"),
], products
with open(sys.argv[2], encoding="utf-8-sig", newline="") as file:
    rows = list(csv.DictReader(file))
assert [(r["Product"], r["Family"], r["Version"], r["Snapshot version"], r["Status"]) for r in rows] == [
    ("'+Charts 2 (Delphi 7)", "'+Charts 2", "'@5", "'@5", "same"),
    ("'@Tools (Delphi 6)", "'@Tools", "'=1+2", "'=1+2", "same"),
    ("Bars 5 (Delphi 7)  ", "Bars 5", "5.1 ", "5.1", "same"),
    ("Grid 4 (Delphi 7) ", "Grid 4", "4.2", "4.2", "same"),
], rows
PY
done
finish
