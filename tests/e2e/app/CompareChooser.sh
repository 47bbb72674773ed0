# The snapshot chooser as the window fills it at start-up: "<nothing>" alone and disabled without
# snapshots; "<nothing>" and then the snapshot files, enabled, with some. A snapshot chosen from the
# list, or typed, gives the comparison column at the next Ctrl+E, the changed products in red.
source "$(dirname "$0")/Session.sh"
import_products example.reg

start_plux
facts=$(probe combo File) || fail "no chooser on the File bar"
grep -qx 'enabled 0' <<<"$facts" || fail "enabled without snapshots: $facts"
grep -qx 'text <nothing>' <<<"$facts" || fail "the chooser does not show <nothing>: $facts"
[ "$(grep '^item ' <<<"$facts")" = "item <nothing>" ] || fail "items without snapshots: $facts"
close_plux || fail "plux did not close"

cp "$PLUX_FIXTURES/old.plx" "$RUN_DIR/old.plx"
printf '[b]\r\nGrid 4 (Delphi 7)=4.2\r\n' >"$RUN_DIR/b.plx"
mkdir "$RUN_DIR/folder.plx"
: >"$RUN_DIR/.plx"
start_plux
facts=$(probe combo File) || fail "no chooser on the File bar"
grep -qx 'enabled 1' <<<"$facts" || fail "disabled with snapshots: $facts"
grep -qx 'text <nothing>' <<<"$facts" || fail "<nothing> is not selected: $facts"
items=$(sed -n 's/^item //p' <<<"$facts")
[ "$(head -n 1 <<<"$items")" = "<nothing>" ] || fail "first item: $items"
# The rest come in the file system's order.
[ "$(tail -n +2 <<<"$items" | sort | tr '\n' ' ')" = "b.plx old.plx " ] || fail "items: $items"

# red_in_report NAME: whether the report shows a red comparison cell, in a screenshot NAME.
red_in_report() { has_colour "$(screenshot "$1")" "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" FF0000; }

choose_snapshot old.plx
xdotool key ctrl+e
# The pointer leaves the chooser, so that its tool tip does not cover the report.
xdotool mousemove $((CLIENT_X + 500)) $((CLIENT_Y + 350))
poll_until 10 red_in_report compare-report || fail "no red comparison cell after choosing old.plx"
shot="$PLUX_ARTEFACTS/compare-report.png"
has_colour "$shot" "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6 || fail "the bands are gone"

# A typed name that names no snapshot: no comparison column. The same name with blanks around it: one.
no_red_in_report() { ! red_in_report "$1"; }
type_choice() {
    click_at $((COMBO_X + 20)) $((COMBO_Y + COMBO_H / 2))
    xdotool key End shift+Home
    xdotool type --delay 20 "$1"
    probe combo File | grep -qxF "text $1" || fail "the chooser does not hold the typed '$1'"
    xdotool key ctrl+e
}
type_choice 'none.plx'
poll_until 10 no_red_in_report typed-none || fail "a comparison column for a snapshot that does not exist"
type_choice ' old.plx '
poll_until 10 red_in_report typed-old || fail "the typed name with blanks around it is not compared"
