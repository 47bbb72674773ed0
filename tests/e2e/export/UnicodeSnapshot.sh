# /save into a snapshot that another editor wrote in Unicode, with a section of notes in Cyrillic and
# CJK text before the snapshot's own section and one after it: the save changes the snapshot's section
# only, in the file's encoding, and every other line keeps its bytes and its line end.
source "$(dirname "$0")/Session.sh"
source "$(dirname "$0")/../UnicodeFiles.sh"
import_products example.reg

notes=$'[notes]\r\ntitle=Журнал версий 版本 ✓\r\n\r\n'
more=$'[more]\r\nключ=値\nlast=末尾'
for encoding in $UNICODE_ENCODINGS; do
    printf '%s' "$notes" $'[base]\r\nBars 5 (Delphi 7)=5.0\r\nGone 1 (Delphi 7)=1.0\r\n\\datetime\\=01/01/2024\r\n\r\n' \
        "$more" | encode_as "$encoding" >"$RUN_DIR/base.plx"
    plux /save base >/dev/null
    expect_rc "/save into a $encoding snapshot" 0 $?
    saved_at=$(decode_from "$encoding" "$RUN_DIR/base.plx" | tr -d '\r' | grep '^\\datetime\\=' || true)
    [ "$saved_at" != '\datetime\=01/01/2024' ] || fail "$encoding: the timestamp was not written"
    printf '%s' "$notes" $'[base]\r\nBars 5 (Delphi 7)=5.1\r\nGone 1 (Delphi 7)=1.0\r\n' "$saved_at" \
        $'\r\nGrid 4 (Delphi 6)=4.2\r\nGrid 4 (Delphi 7)=4.2\r\n\r\n' "$more" |
        expect_encoded "/save" "$encoding" "$RUN_DIR/base.plx"
done
finish
