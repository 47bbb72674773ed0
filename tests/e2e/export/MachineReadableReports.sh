#!/usr/bin/env bash
# A baseline saved from the command line, then a machine that changed: one product upgraded, one
# removed, one added (with a name that needs quoting and characters above 127, imported in code page
# 1252). The JSON and CSV reports list all of them with the right status, parse with standard readers
# and make the exit code 1.
source "$(dirname "$0")/Session.sh"
import_products example.reg

plux /save base >"$RUN_DIR/saved.txt"
expect_rc "save base" 0 $?
saved=$(tr -d '\r' <"$RUN_DIR/saved.txt")
case "$saved" in *\\base.plx) ;; *) fail "save base printed: $saved" ;; esac
[ -f "$RUN_DIR/base.plx" ] || fail "save base: no base.plx"
cp "$RUN_DIR/base.plx" "$RUN_DIR/base.before"

reg_import "$PLUX_FIXTURES/upgrade.reg"
"$WINE" reg delete "$PRODUCT_ROOT\\Bars 5 (Delphi 7)" /f /reg:32 </dev/null >/dev/null 2>&1 || fail "cannot remove Bars 5"
plux /sjson - /compare base.plx >"$RUN_DIR/report.json"
expect_rc "JSON against base" 1 $?
plux /scsv report.csv /compare base.plx
expect_rc "CSV against base" 1 $?
python3 - "$RUN_DIR/report.json" "$RUN_DIR/report.csv" <<'PY' || fail "the reports do not list the changes"
import csv, json, sys
report = json.load(open(sys.argv[1], encoding="utf-8"))
statuses = {p["name"]: (p["status"], p["change"], p["version"], p["snapshotVersion"]) for p in report["products"]}
expected = {
    "Grid 4 (Delphi 7)": ("changed", "upgrade", "4.10", "4.2"),
    "Grid 4 (Delphi 6)": ("same", None, "4.2", "4.2"),
    "Bars 5 (Delphi 7)": ("removed", None, None, "5.1"),
    "\u00c9dition \"Sp\u00e9ciale\", 2 (Delphi 7)": ("new", None, "2.0", None),
}
assert statuses == expected, statuses
assert report["snapshot"]["name"] == "base" and report["snapshot"]["savedAt"], report["snapshot"]
assert report["registryView"] == "32-bit" and report["checkedAt"][10] == "T", report
with open(sys.argv[2], encoding="utf-8-sig", newline="") as file:
    rows = list(csv.DictReader(file))
assert {row["Product"]: (row["Status"], row["Change"] or None) for row in rows} == \
    {name: value[:2] for name, value in expected.items()}, rows
PY

# The report compares with the snapshot as it was before this save; the save then takes the new state.
plux /save base /shtml report.html /compare base.plx >/dev/null
expect_rc "save with a report" 1 $?
grep -q '<td bgcolor="#ff0000"><b><font color="#ffffff">4.2</font></b></td>' "$RUN_DIR/report.html" ||
    fail "save with a report: the report did not compare with the old snapshot"
grep -q '^Grid 4 (Delphi 7)=4.10' "$RUN_DIR/base.plx" || fail "save with a report: base.plx not updated"
# Save Result keeps the keys of products no longer installed, so the removed one stays removed.
plux /sjson - /compare base.plx >"$RUN_DIR/again.json"
expect_rc "after the second save" 1 $?
python3 - "$RUN_DIR/again.json" <<'PY' || fail "after the second save: $(cat "$RUN_DIR/again.json")"
import json, sys
statuses = {p["name"]: p["status"] for p in json.load(open(sys.argv[1], encoding="utf-8"))["products"]}
assert statuses.pop("Bars 5 (Delphi 7)") == "removed" and set(statuses.values()) == {"same"}, statuses
PY

# A save that fails leaves the old snapshot as it was and says why.
cp "$RUN_DIR/base.plx" "$RUN_DIR/base.before"
chmod 444 "$RUN_DIR/base.plx"
reg_import "$PLUX_FIXTURES/example.reg"
plux /save base
expect_rc "save over a read-only snapshot" 2 $?
[ "$(head -1 "$RUN_DIR/stderr")" = "Unable to write to $saved" ] && [ "$(wc -l <"$RUN_DIR/stderr")" -eq 2 ] ||
    fail "save over a read-only snapshot: $(cat "$RUN_DIR/stderr")"
cmp -s "$RUN_DIR/base.plx" "$RUN_DIR/base.before" || fail "save over a read-only snapshot: the snapshot changed"
finish
