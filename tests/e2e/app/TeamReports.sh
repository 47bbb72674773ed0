#!/usr/bin/env bash
# Open Team Reports... by its shortcut: the system's folder dialog, then the matrix of the folder's
# reports in the view with the stray white on red and the product column kept in view; Print prints the
# table, wider than the page, in column groups that each repeat the product column; Do Check brings the
# main report back.
source "$(dirname "$0")/Session.sh"
import_products example.reg
# Named for this run, so that its printout is told from any other in the printer's folder.
TEAM="$RUN_DIR/team-$$"
mkdir "$TEAM"
python3 - "$TEAM" <<'PY'
import json, os, sys
for number in range(1, 19):
    computer = "WORKSTATION-%02d" % number
    grid = "4.10" if number == 2 else "4.2"
    products = [{"name": "Grid 4 (Delphi 7)", "version": grid}, {"name": "Bars 5 (Delphi 7)", "version": "5.1"},
                {"name": "Editors 3 (Delphi 7)", "version": "3.0.1"}]
    report = {"computer": computer, "checkedAt": "2024-05-02T08:%02d:00+02:00" % number, "products": products}
    json.dump(report, open(os.path.join(sys.argv[1], computer + ".json"), "w", encoding="utf-8"))
PY
touch "$RUN_DIR/start-mark"
windows_path() { echo "Z:$(tr / '\\' <<<"$1")"; }
view_shows() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" "$@"; }
start_plux

press ctrl+e
wait_for 10 view_shows DCFED6 FFFFC8
press ctrl+t
probe dialog 'Open Team Reports' 20 >/dev/null || fail "no folder dialog"
activate_window "$(xdotool search --name '^Open Team Reports$' | head -1)"
# The folder's tree is walked as a hand does with keys, from "/" down: each name typed selects the entry
# it begins, Right opens it; a pause lets the tree's search start afresh at the next name.
IFS=/ read -ra parts <<<"${TEAM#/}"
xdotool type --delay 20 "/"
for part in "${parts[@]}"; do
    sleep 1.2
    xdotool key Right
    sleep 0.5
    xdotool type --delay 20 "$part"
done
sleep 0.5
screenshot team-reports-dialog >/dev/null
xdotool key Return
probe dialog-closed 'Open Team Reports' 20 || fail "the folder dialog stayed open"
wait_for 10 view_shows FF0000 DCFED6 FFFFC8
screenshot team-reports >/dev/null
# Scrolled to the right, the other columns pass under the product column, which stays in view.
for _ in 1 2 3; do click_at $((VIEW_X + VIEW_W - 40)) $((VIEW_Y + VIEW_H - 8)); done
wait_for 10 not view_shows FF0000
screenshot team-reports-scrolled >/dev/null

press ctrl+p
# The printer names the file after the report's title, which names the folder.
wait_for 60 printed_pdf "$RUN_DIR/start-mark" WORKSTATION "Team_reports_team-$$"
pages=$(pdfinfo "$PRINTED_PDF" | awk '/^Pages:/ { print $2 }')
[ "$pages" -ge 2 ] || fail "the printout has $pages page(s), not column groups"
grep -q "WORKSTATION-18" <<<"$(pdftotext -layout "$PRINTED_PDF" - | sed 's/\xC2\xAD/-/g')" ||
    fail "the printout lacks the last column"
for page in $(seq 1 "$pages"); do
    # The printer driver names the hyphen glyph so that pdftotext reads it back as a soft hyphen.
    text=$(pdftotext -f "$page" -l "$page" -layout "$PRINTED_PDF" - | sed 's/\xC2\xAD/-/g')
    grep -q "Grid 4 (Delphi 7)" <<<"$text" || fail "page $page lacks the product column: $text"
    grep -q "Page $page" <<<"$text" || fail "page $page lacks its number: $text"
done

press ctrl+e
wait_for 10 not view_shows FF0000
