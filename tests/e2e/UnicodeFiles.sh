# Sourced by the scripts that check that a save keeps the lines it does not change in a file another
# editor wrote in Unicode. Texts are given as UTF-8 (this script's own encoding) with the line ends the
# file is to have; the file takes the byte-order mark of its encoding.
UNICODE_ENCODINGS="UTF-8 UTF-16LE"

# The bytes of the text on standard input in ENCODING, with its byte-order mark.
encode_as() {
    case $1 in
        UTF-8) printf '\xEF\xBB\xBF' && cat ;;
        UTF-16LE) printf '\xFF\xFE' && iconv -f UTF-8 -t UTF-16LE ;;
        *) fail "no such encoding: $1" ;;
    esac
}

# The text of the FILE in ENCODING, as UTF-8, without the byte-order mark.
decode_from() { tail -c +"$([ "$1" = UTF-8 ] && echo 4 || echo 3)" "$2" | iconv -f "$1" -t UTF-8; }

# Fails unless FILE holds exactly the bytes of the text on standard input in ENCODING; WHAT names the case.
expect_encoded() {
    local what=$1 encoding=$2 file=$3
    encode_as "$encoding" >"$RUN_DIR/expected.bin"
    cmp -s "$RUN_DIR/expected.bin" "$file" ||
        fail "$what ($encoding): the file differs from the one expected:
$(decode_from "$encoding" "$file" | od -c | head -40)"
}
