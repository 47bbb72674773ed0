# Check Required Versions... by its shortcut: the system's open dialog, then the verdicts in the view with
# the violations white on red; Print prints that report, Do Check brings the main report back, the next
# dialog opens in the folder of the last file, and a rule that does not read shows an error box and
# leaves the view as it was.
source "$(dirname "$0")/RequiredVersionsSession.sh"
touch "$RUN_DIR/start-mark"
printf '%s\r\n' '[Required]' 'Grid 4 (Delphi 7)=4.2' 'Bars 5 (Delphi 7)=>>5' >"$RULES/bad.ini"
start_plux

press ctrl+e
wait_for 10 view_shows DCFED6 FFFFC8
press ctrl+r
answer_open_dialog "$(windows_path "$RULES/$RULES_NAME")"
wait_for 10 view_shows FF0000 DCFED6 FFFFC8
screenshot required-versions >/dev/null

press ctrl+p
# The printer names the file after the report's title, which names the required-versions file.
wait_for 60 printed_pdf "$RUN_DIR/start-mark" forbidden "Required_versions_$RULES_NAME"
# The printer driver names the hyphen glyph so that pdftotext reads it back as a soft hyphen.
text=$(pdftotext -layout "$PRINTED_PDF" - | sed 's/\xC2\xAD/-/g')
for row in 'Bars 5 \(Delphi 7\) +5\.1 +absent +forbidden' 'Grid 4 \(Delphi 6\) +4\.2 +>=4\.10 +too old' \
    'Grid 4 \(Delphi 7\) +4\.2 +4\.2 +ok' 'Editors 3 \(Delphi 7\) +3\.0\.1 +missing' \
    'Required versions: 3 violations \(1 too old, 0 too new, 1 missing, 1 forbidden\), 1 ok, 0 unchecked'; do
    grep -Eq "$row" <<<"$text" || fail "the printout lacks /$row/: $text"
done

press ctrl+e
wait_for 10 not view_shows FF0000

# The dialog remembers the folder: a bare name there is found.
state=$(ls "$RUN_DIR"/Data/PLUX/users/*/formdata/frmPLUX.ini)
grep -qxF "Folder=$(windows_path "$RULES")"$'\r' "$state" || fail "the state file holds: $(cat "$state")"
press ctrl+r
answer_open_dialog "$RULES_NAME"
wait_for 10 view_shows FF0000

press ctrl+r
answer_open_dialog bad.ini
box=$(probe message-box) || fail "no error box for a rule that does not read"
grep -qxF 'text Unknown operator ">>"' <<<"$(tr -d '\r' <<<"$box")" &&
    grep -qF "$(windows_path "$RULES/bad.ini")(3): Bars 5 (Delphi 7)=>>5" <<<"$box" || fail "error box: $box"
view_shows FF0000 || fail "the error changed the view"
still_running || fail "the window did not survive the error"
