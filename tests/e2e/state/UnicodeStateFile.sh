# A state file that another editor wrote in Unicode, with a note in Cyrillic and CJK text and a section
# of its own: the window's session rewrites the keys of its section in the file's encoding, adds the one
# that was missing, and leaves every other line with its bytes and its line end.
source "$(dirname "$0")/Session.sh"
source "$(dirname "$0")/../UnicodeFiles.sh"
start_plux
quit_plux

state=$(state_file)
before=$'; Заметки 注記\r\n[TfrmPLUX]\r\nFlags=0\r\nShowCmd=1\r\nNormalPos=227,114,923,594\r\nPixelsPerInch=96\r\n'
before+=$'barColor1.Description=#dcFED6\r\nbarColor2.Description=#ffffc8\r\n'
after=$'\r\n[Другое]\nключ=値 ✓'
for encoding in $UNICODE_ENCODINGS; do
    printf '%s' "$before" "$after" | encode_as "$encoding" >"$state"
    start_plux
    quit_plux
    printf '%s' "$before" $'Color=16777215\r\n' "$after" | expect_encoded "a window session" "$encoding" "$state"
done
