#!/usr/bin/env bash
# A build job holds the machine against the team's required versions: the exit code, the verdicts in the
# JSON and CSV reports and the summary in the log; a bad rule stops it before any file is written.
# Then the products of this machine brought back from each kind of file give the live check's products.
source "$(dirname "$0")/Session.sh"
import_products example.reg

# Installed, in the registry's order: Bars 5 (Delphi 7) 5.1, Grid 4 (Delphi 6) 4.2, Grid 4 (Delphi 7) 4.2.
printf '%s\r\n' '; what our projects need' '[Required]' 'Grid 4 (Delphi 7)=4.2' 'Grid 4 (Delphi 6)=>=4.10' \
    'Bars 5 (Delphi 7)=absent' 'Editors 3 (Delphi 7)=3.0.1' >"$RUN_DIR/required.ini"
plux /policy required.ini /sjson report.json /scsv report.csv >"$RUN_DIR/summary.txt"
expect_rc "policy with violations" 1 $?
expected=$(printf '%s\r\n' 'forbidden: Bars 5 (Delphi 7) 5.1, rule absent' 'too old: Grid 4 (Delphi 6) 4.2, rule >=4.10' \
    'missing: Editors 3 (Delphi 7), rule 3.0.1' \
    'Required versions: 3 violations (1 too old, 0 too new, 1 missing, 1 forbidden), 1 ok, 0 unchecked')
[ "$(cat "$RUN_DIR/summary.txt")" = "$expected" ] || fail "summary: $(cat -A "$RUN_DIR/summary.txt")"
python3 - "$RUN_DIR/report.json" "$RUN_DIR/report.csv" <<'PY' || fail "the reports do not carry the verdicts"
import csv, json, sys
expected = {
    "Grid 4 (Delphi 7)": ("ok", "4.2"),
    "Grid 4 (Delphi 6)": ("too old", ">=4.10"),
    "Bars 5 (Delphi 7)": ("forbidden", "absent"),
    "Editors 3 (Delphi 7)": ("missing", "3.0.1"),
}
products = json.load(open(sys.argv[1], encoding="utf-8"))["products"]
assert {p["name"]: (p["verdict"], p["rule"]) for p in products} == expected, products
assert [list(p)[-2:] for p in products] == [["verdict", "rule"]] * 4, products
with open(sys.argv[2], encoding="utf-8-sig", newline="") as file:
    rows = list(csv.DictReader(file))
assert {row["Product"]: (row["Verdict"], row["Rule"]) for row in rows} == expected, rows
PY

printf '%s\r\n' '[Required]' 'Grid 4 (Delphi *)=>=4.2 <5' 'Bars 5 (Delphi 7)=present' >"$RUN_DIR/met.ini"
plux /policy met.ini >"$RUN_DIR/summary.txt"
expect_rc "policy met" 0 $?
[ "$(tr -d '\r' <"$RUN_DIR/summary.txt")" = \
    "Required versions: 0 violations (0 too old, 0 too new, 0 missing, 0 forbidden), 3 ok, 0 unchecked" ] ||
    fail "policy met: $(cat "$RUN_DIR/summary.txt")"

# A rule the file cannot mean: exit code 2, the file, line number and line on standard error, no report.
printf '%s\r\n' '[Required]' 'Grid 4 (Delphi 7)=4.2' 'Grid 4 (Delphi 6)=~4.10' >"$RUN_DIR/bad.ini"
printf 'previous report' >"$RUN_DIR/report.json"
plux /policy bad.ini /sjson report.json /scsv fresh.csv >"$RUN_DIR/stdout.txt"
expect_rc "bad policy line" 2 $?
expect_stderr "bad policy line" 'Unknown operator "~"
bad.ini(3): Grid 4 (Delphi 6)=~4.10'
[ "$(cat "$RUN_DIR/report.json")" = "previous report" ] || fail "bad policy line: report.json was changed"
[ ! -e "$RUN_DIR/fresh.csv" ] || fail "bad policy line: fresh.csv was written"
[ ! -s "$RUN_DIR/stdout.txt" ] || fail "bad policy line: standard output: $(cat "$RUN_DIR/stdout.txt")"

# The same products live, from a snapshot, from a JSON report and from registry exports of both kinds.
products_of() { python3 -c 'import json, sys; print(json.dumps(json.load(open(sys.argv[1], encoding="utf-8"))["products"]))' "$1"; }
same_products() {  # what, JSON file, JSON file of the live check
    [ "$(products_of "$RUN_DIR/$2")" = "$(products_of "$RUN_DIR/$3")" ] ||
        fail "$1: products differ: $(products_of "$RUN_DIR/$2") against $(products_of "$RUN_DIR/$3")"
}
import_products from-machine.reg
cp "$PLUX_FIXTURES/from-machine.reg" "$PLUX_FIXTURES/from-machine-v5.reg" "$RUN_DIR/"
plux /sjson live.json
expect_rc "live check" 0 $?
[ "$(products_of "$RUN_DIR/live.json" | grep -o '"name"' | wc -l)" -eq 6 ] || fail "live check: $(cat "$RUN_DIR/live.json")"
plux /save base >/dev/null
expect_rc "save" 0 $?
for source in base.plx live.json from-machine.reg from-machine-v5.reg; do
    plux /from "$source" /sjson "from-$source.json"
    expect_rc "from $source" 0 $?
    same_products "from $source" "from-$source.json" live.json
done
python3 - "$RUN_DIR/from-from-machine.reg.json" "$RUN_DIR/from-base.plx.json" <<'PY' || fail "facts of the files"
import json, sys
reg, plx = (json.load(open(name, encoding="utf-8")) for name in sys.argv[1:])
assert reg["computer"] == "from-machine.reg" and reg["user"] is None, reg
assert reg["registryKey"] == "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products", reg
assert plx["computer"] == "base.plx" and plx["registryKey"] is None, plx
PY
# The UTF-16 export imports to the same products, and a path compares with it: no difference.
remove_products
"$WINE" reg import "$RUN_DIR/from-machine-v5.reg" </dev/null >/dev/null 2>&1 || fail "reg import of the UTF-16 export"
plux /sjson live-v5.json /compare '.\from-machine-v5.reg'
expect_rc "live check of the UTF-16 export against it" 0 $?
plux /sjson live-again.json
same_products "UTF-16 export imported" live-again.json live.json
finish
