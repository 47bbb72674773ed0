# Save Result into a snapshot that another editor wrote in Unicode, with notes in Cyrillic and CJK text
# in other sections: the window's save changes the snapshot's own section only, in the file's encoding,
# and every other line keeps its bytes and its line end.
source "$(dirname "$0")/Session.sh"
source "$(dirname "$0")/../UnicodeFiles.sh"
import_products example.reg
start_plux
press ctrl+e

notes=$'; Заметки 注記\r\n[notes]\r\ntitle=Журнал версий 版本 ✓\r\n\r\n'
more=$'[more]\r\nключ=値\nlast=末尾'
timestamp() { decode_from "$encoding" "$snapshot" | tr -d '\r' | grep '^\\datetime\\=' || true; }
saved() { [ "$(timestamp)" != '\datetime\=01/01/2024' ]; }
for encoding in $UNICODE_ENCODINGS; do
    name=u$encoding
    snapshot="$RUN_DIR/$name.plx"
    printf '%s' "$notes" "[$name]"$'\r\n\\datetime\\=01/01/2024\r\nBars 5 (Delphi 7)=5.0\r\n\r\n' "$more" |
        encode_as "$encoding" >"$snapshot"
    open_save_dialog
    xdotool type --delay 20 "$name"
    answer Return
    poll_until 10 saved || fail "$encoding: Save Result did not write $name.plx"
    printf '%s' "$notes" "[$name]"$'\r\n' "$(timestamp)" \
        $'\r\nBars 5 (Delphi 7)=5.1\r\nGrid 4 (Delphi 6)=4.2\r\nGrid 4 (Delphi 7)=4.2\r\n\r\n' "$more" |
        expect_encoded "Save Result" "$encoding" "$snapshot"
done
still_running || fail "the window did not survive the saves"
