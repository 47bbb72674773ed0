#!/usr/bin/env bash
# The team matrix of a shared folder: three machines' JSON reports, a build server's snapshot and a
# developer's registry export; one machine strays on one product, then all agree. Then one machine's
# dated snapshots are its version history. Every JSON written matches the published schema.
source "$(dirname "$0")/Session.sh"
SCHEMA="$PLUX_FIXTURES/../../schemas/reports.schema.json"
VALIDATE="$PLUX_FIXTURES/../schemas/validate_json.py"
# Installed: Bars 5 (Delphi 7) 5.1, Grid 4 (Delphi 6) 4.2, Grid 4 (Delphi 7) 4.2.
import_products example.reg

mkdir -p "$RUN_DIR/team/older"
plux /sjson live.json
expect_rc "live check" 0 $?
plux /save build >/dev/null
expect_rc "save" 0 $?
mv "$RUN_DIR/build.plx" "$RUN_DIR/team/"
cp "$PLUX_FIXTURES/example.reg" "$RUN_DIR/team/dev.reg"
# Each machine's report as the login script leaves it; PC3 has another Grid 4 for Delphi 7. A report
# in a subfolder and a file of another kind are not the team's.
machine_report() {  # computer, Grid 4 (Delphi 7) version, file
    python3 - "$RUN_DIR/live.json" "$1" "$2" "$RUN_DIR/$3" <<'PY'
import json, sys
report = json.load(open(sys.argv[1], encoding="utf-8"))
report["computer"] = sys.argv[2]
for product in report["products"]:
    if product["name"] == "Grid 4 (Delphi 7)":
        product["version"] = sys.argv[3]
json.dump(report, open(sys.argv[4], "w", encoding="utf-8"), indent=2)
PY
}
machine_report PC1 4.2 team/pc1.json
machine_report PC2 4.2 team/pc2.json
machine_report PC3 4.10 team/pc3.json
machine_report PC9 3.0 team/older/pc9.json
echo "not a report" >"$RUN_DIR/team/notes.txt"

plux /fleet team /sjson team.json /scsv team.csv /sjsonl team.jsonl >"$RUN_DIR/summary.txt"
expect_rc "one stray" 1 $?
expected=$(printf '%s\r\n' 'Grid 4 (Delphi 7)' '  4.2: 4' '  4.10: 1 (PC3)' \
    'Team: 5 columns of 5 machines, 3 products, 1 differs, 1 cell marked')
[ "$(cat "$RUN_DIR/summary.txt")" = "$expected" ] || fail "summary: $(cat -A "$RUN_DIR/summary.txt")"
python3 - "$RUN_DIR/team.json" "$RUN_DIR/team.csv" "$RUN_DIR/team.jsonl" <<'PY' || fail "the reports do not show the stray"
import csv, json, sys
team = json.load(open(sys.argv[1], encoding="utf-8"))
names = [machine["name"] for machine in team["machines"]]
assert names == ["build", "dev", "PC1", "PC2", "PC3"], names
grid = next(p for p in team["products"] if p["name"] == "Grid 4 (Delphi 7)")
assert grid["versions"] == ["4.2", "4.2", "4.2", "4.2", "4.10"] and grid["mostCommon"] == "4.2", grid
assert grid["marked"] == [4], grid
assert all(p["marked"] == [] for p in team["products"] if p is not grid), team["products"]
with open(sys.argv[2], encoding="utf-8-sig", newline="") as file:
    marked = [(row["Machine"], row["Product"], row["Version"]) for row in csv.DictReader(file) if row["Marked"] == "yes"]
assert marked == [("PC3", "Grid 4 (Delphi 7)", "4.10")], marked
lines = [json.loads(line) for line in open(sys.argv[3], encoding="utf-8")]
assert len(lines) == 15, lines
assert [(l["machine"], l["version"]) for l in lines if l["marked"]] == [("PC3", "4.10")], lines
PY
python3 "$VALIDATE" "$SCHEMA" teamReport="$RUN_DIR/team.json" teamReportLine="$RUN_DIR/team.jsonl" \
    >"$RUN_DIR/validation.txt" || fail "the team reports do not match the schema: $(cat "$RUN_DIR/validation.txt")"

machine_report PC3 4.2 team/pc3.json
plux /fleet team >"$RUN_DIR/summary.txt"
expect_rc "all agree" 0 $?
[ "$(tr -d '\r' <"$RUN_DIR/summary.txt")" = "Team: 5 columns of 5 machines, 3 products, 0 differ, 0 cells marked" ] ||
    fail "all agree: $(cat "$RUN_DIR/summary.txt")"

# A source that cannot be read is named, and nothing is written.
printf '{"computer": "PC4", "products": [' >"$RUN_DIR/team/pc4.json"
printf 'previous' >"$RUN_DIR/team.json"
plux /fleet team /sjson team.json >"$RUN_DIR/stdout.txt"
expect_rc "broken source" 2 $?
grep -q 'team\\pc4.json(1)' "$RUN_DIR/stderr" || fail "broken source: $(cat "$RUN_DIR/stderr")"
[ "$(cat "$RUN_DIR/team.json")" = "previous" ] || fail "broken source: team.json was changed"
[ ! -s "$RUN_DIR/stdout.txt" ] || fail "broken source: standard output: $(cat "$RUN_DIR/stdout.txt")"

# One machine's snapshots of three dates, given out of order, in the locale /save writes its timestamp in.
python3 - "$RUN_DIR/team/build.plx" "$RUN_DIR" <<'PY' || fail "cannot write the dated snapshots"
import datetime, os, re, sys
text = open(sys.argv[1], encoding="latin-1", newline="").read()
stamp = re.search(r"\\datetime\\=(.*)\r\n", text).group(1)
now = datetime.datetime.now()
patterns = ["%d/%m/%Y %H:%M:%S", "%m/%d/%Y %H:%M:%S", "%m/%d/%Y %I:%M:%S %p", "%d.%m.%Y %H:%M:%S", "%Y-%m-%d %H:%M:%S"]
pattern = None
for p in patterns:
    try:
        if abs((datetime.datetime.strptime(stamp, p) - now).total_seconds()) < 3600 * 26:
            pattern = p
            break
    except ValueError:
        pass
assert pattern, stamp
history = [("may", "2024-05-20", "4.3", "5.1"), ("jan", "2024-01-20", "4.2", "5.0"), ("mar", "2024-03-20", "4.3", "5.0")]
for folder, date, grid, bars in history:
    when = datetime.datetime.strptime(date + " 09:00:00", "%Y-%m-%d %H:%M:%S")
    os.makedirs(os.path.join(sys.argv[2], folder), exist_ok=True)
    lines = ["[pc7]", "\\datetime\\=" + when.strftime(pattern), "Grid 4 (Delphi 7)=" + grid, "Bars 5 (Delphi 7)=" + bars]
    open(os.path.join(sys.argv[2], folder, "pc7.plx"), "w", encoding="latin-1", newline="").write("\r\n".join(lines) + "\r\n")
PY
plux /fleet may/pc7.plx jan/pc7.plx mar/pc7.plx /sjson history.json >"$RUN_DIR/summary.txt"
expect_rc "history" 1 $?
python3 - "$RUN_DIR/history.json" <<'PY' || fail "history: $(cat "$RUN_DIR/history.json")"
import json, sys
team = json.load(open(sys.argv[1], encoding="utf-8"))
assert [m["source"] for m in team["machines"]] == ["jan/pc7.plx", "mar/pc7.plx", "may/pc7.plx"], team["machines"]
assert {m["name"] for m in team["machines"]} == {"pc7"}, team["machines"]
changes = {p["name"]: (p["versions"], p["marked"]) for p in team["products"]}
assert changes == {"Bars 5 (Delphi 7)": (["5.0", "5.0", "5.1"], [2]), "Grid 4 (Delphi 7)": (["4.2", "4.3", "4.3"], [1])}, changes
PY
grep -q '^  4.3: 2 (pc7 (.*)).$' "$RUN_DIR/summary.txt" || fail "history summary: $(cat "$RUN_DIR/summary.txt")"
finish
