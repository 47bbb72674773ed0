# A screen reader's view of the main window: the bars by name, their buttons with shortcuts, the
# chooser, every status panel, and after a check the report's rows and cells, the comparison's
# differences marked. Do Check runs through its default action as a screen reader's user runs it.
# The input dialog names its field after its text.
source "$(dirname "$0")/Session.sh"
import_products example.reg
cp "$PLUX_FIXTURES/old.plx" "$RUN_DIR/old.plx"
start_plux

tree=$(access_tree)
printf '%s\n' "$tree" >"$PLUX_ARTEFACTS/access-tree-before.txt"
expect_line() { grep -qE -- "$1" <<<"$tree" || fail "$2 (tree in $3)"; }
expect_line '^menu bar\|Main Menu\|' "no menu bar named Main Menu" access-tree-before.txt
expect_line '^  menu item\|File\|Alt\+F\|\|\|.*haspopup' "no File menu with Alt+F" access-tree-before.txt
expect_line '^tool bar\|File\|' "no tool bar named File" access-tree-before.txt
expect_line '^tool bar\|Colours\|' "no tool bar named Colours" access-tree-before.txt
expect_line '^  push button\|Do Check\|Ctrl\+E\|' "no Do Check button with Ctrl+E" access-tree-before.txt
expect_line '^  combo box\|[^|]*\|\|<nothing>\|' "no snapshot chooser showing <nothing>" access-tree-before.txt
expect_line '^status bar\|' "no status bar" access-tree-before.txt
# Five panels: the product count (empty before a check), Caps and Num with their keys' state, an empty
# one and the version.
panels=$(awk '/^status bar\|/{on=1; next} /^[^ ]/{on=0} on' <<<"$tree")
[ "$(grep -c '' <<<"$panels")" -eq 5 ] || fail "the status bar has not five panels: $panels"
grep -qE '^  [^|]*\|Caps\|\|(on|off)\|' <<<"$panels" || fail "the Caps panel does not say on or off: $panels"
grep -qE '^  [^|]*\|Num\|\|(on|off)\|' <<<"$panels" || fail "the Num panel does not say on or off: $panels"
grep -qE '^  [^|]*\|Plux - [0-9.]+\|' <<<"$panels" || fail "no version panel: $panels"

# The chooser is set to the snapshot, then Do Check runs through its default action.
choose_snapshot old.plx
[ "$(wine_quiet "$PLUX_ACCESS" do 'Do Check')" = done ] || fail "Do Check has no default action"
report_filled() { tree_has '^  row\|'; }
wait_for 10 report_filled

tree=$(access_tree)
printf '%s\n' "$tree" >"$PLUX_ARTEFACTS/access-tree-after.txt"
report=$(awk '/^table\|Report\|/{on=1; next} /^[^ ]/{on=0} on' <<<"$tree")
[ -n "$report" ] || fail "no table named Report (tree in access-tree-after.txt)"
# The first row heads the columns: this machine and the time, then the snapshot and when it was saved.
first_row=$(awk '/^  row\|/{n++} n==1' <<<"$report")
[ "$(grep -c '^    column header|' <<<"$first_row")" -eq 2 ] || fail "first row: $first_row"
grep -qE '^    column header\|old [0-9]' <<<"$first_row" || fail "the snapshot heads no column: $first_row"
second_row=$(awk '/^  row\|/{n++} n==2' <<<"$report")
grep -qE '^    cell\|[^|]+\|' <<<"$second_row" || fail "second row has no named cells: $second_row"
grep -qE '^    cell\|[^|]+\|\|\|differs from snapshot\|' <<<"$report" ||
    fail "no cell says it differs from the snapshot: $report"
! grep -qE '^    cell\|Grid 4 \(Delphi 7\)\|\|\|differs' <<<"$report" || fail "a product name is marked as a difference"

# Save Result's input dialog: its field is named by the dialog's text and has the focus.
press ctrl+s
probe dialog '#1' 10 >/dev/null || fail "no input dialog after Ctrl+S"
dialog=$(wine_quiet "$PLUX_ACCESS" window '#1')
printf '%s\n' "$dialog" >"$PLUX_ARTEFACTS/access-save-dialog.txt"
# The focused object is the field, with the proposed name as its value; its own name is the label's text.
field=$(grep -E '\|[^|]*focused' <<<"$dialog" | head -n 1)
name=$(cut -d'|' -f2 <<<"$field")
[ -n "$name" ] && [ -n "$(cut -d'|' -f4 <<<"$field")" ] || fail "the focus is not on a named field: $dialog"
[ "$(awk -F'|' -v name="$name" '$2 == name' <<<"$dialog" | wc -l)" -eq 2 ] ||
    fail "the field's name '$name' is not the text of the label: $dialog"
xdotool key Escape
probe dialog-closed '#1' 10 || fail "Escape did not close the input dialog"
close_plux || fail "plux did not close"
