# Ctrl+P before any check prints nothing; after Ctrl+E it prints the report on the default printer.
source "$(dirname "$0")/Session.sh"
PDF_DIR="$HOME/PDF"
# The printer names its files after the document, so a new printout may replace an older file.
touch "$RUN_DIR/start-mark"
new_pdfs() { find "$PDF_DIR" -maxdepth 1 -name '*.pdf' -newer "$RUN_DIR/start-mark" 2>/dev/null; }
import_products example.reg
start_plux

press ctrl+p
sleep 5
[ -z "$(new_pdfs)" ] || fail "Ctrl+P without a report printed: $(new_pdfs)"
still_running || fail "plux ended"

press ctrl+e
sleep 1
press ctrl+p
for tries in $(seq 1 60); do
    [ -n "$(new_pdfs)" ] && break
    sleep 1
done
pdf=$(new_pdfs | head -1)
[ -n "$pdf" ] || fail "no PDF within 60 s"
sleep 1  # the printer may still be writing it
pdftotext "$pdf" - | grep -q 'Grid 4 (Delphi 7)' || fail "the printout does not hold the report: $pdf"
