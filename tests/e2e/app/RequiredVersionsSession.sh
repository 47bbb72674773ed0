# Shared by the scripts of "Check Required Versions...": the test products, a folder of required-versions
# files, and the system's open dialog answered as a hand does.
source "$(dirname "${BASH_SOURCE[0]}")/CustomizeSession.sh"
import_products example.reg
RULES="$RUN_DIR/rules"
# Named for this run, so that its printout is told from any other in the printer's folder.
RULES_NAME="rv-$$.ini"
mkdir "$RULES"
# Installed: Bars 5 (Delphi 7) 5.1, Grid 4 (Delphi 6) 4.2, Grid 4 (Delphi 7) 4.2.
printf '%s\r\n' '[Required]' 'Grid 4 (Delphi 7)=4.2' 'Grid 4 (Delphi 6)=>=4.10' 'Bars 5 (Delphi 7)=absent' \
    'Editors 3 (Delphi 7)=3.0.1' >"$RULES/$RULES_NAME"

windows_path() { echo "Z:$(tr / '\\' <<<"$1")"; }
view_shows() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" "$@"; }

# Waits for the open dialog, types NAME into its file name field and confirms.
answer_open_dialog() {
    probe dialog 'Check Required Versions' 20 >/dev/null || fail "no open dialog"
    activate_window "$(xdotool search --name '^Check Required Versions$' | head -1)"
    xdotool type --delay 20 "$1"
    xdotool key Return
    probe dialog-closed 'Check Required Versions' 20 || fail "the open dialog stayed open after $1"
}
