# Ctrl+P before any check prints nothing; after Ctrl+E it prints the report on the default printer.
source "$(dirname "$0")/Session.sh"
# The printer names its files after the document, so a new printout may replace an older file.
touch "$RUN_DIR/start-mark"
import_products example.reg
start_plux

# A printout of the empty view would be a page without text. Other runs print reports to the same
# folder meanwhile, and their pages have text.
blank_printout() {
    local pdf
    for pdf in $(ls -t "$PDF_DIR"/*.pdf 2>/dev/null); do
        [ "$pdf" -nt "$RUN_DIR/start-mark" ] || return 1
        pdfinfo "$pdf" >/dev/null 2>&1 && [ -z "$(pdftotext "$pdf" - 2>/dev/null | tr -d '[:space:]')" ] && return 0
    done
    return 1
}

press ctrl+p
# That nothing is printed shows only as no printout over a while: one reaches the printer's folder
# within about 2 s (as the wait for the real one below shows).
if poll_until 3 blank_printout; then fail "Ctrl+P without a report printed"; fi
still_running || fail "plux ended"

press ctrl+e
wait_for 10 screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6
press ctrl+p
wait_for 60 printed_pdf "$RUN_DIR/start-mark" 'Grid 4 (Delphi 7)'
