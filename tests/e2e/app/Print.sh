# Ctrl+P before any check prints nothing; after Ctrl+E it prints the report on the default printer.
source "$(dirname "$0")/Session.sh"
PDF_DIR="$HOME/PDF"
pdf_count() { find "$PDF_DIR" -maxdepth 1 -name '*.pdf' 2>/dev/null | wc -l; }
import_products Products.reg
start_plux

before=$(pdf_count)
press ctrl+p
sleep 5
[ "$(pdf_count)" -eq "$before" ] || fail "Ctrl+P without a report printed something"
still_running || fail "plux ended"

press ctrl+e
sleep 1
press ctrl+p
for tries in $(seq 1 60); do
    [ "$(pdf_count)" -gt "$before" ] && break
    sleep 1
done
[ "$(pdf_count)" -gt "$before" ] || fail "no PDF within 60 s"
sleep 1  # cups-pdf may still be writing it
pdf=$(ls -t "$PDF_DIR"/*.pdf | head -1)
pdftotext "$pdf" - | grep -q 'Grid 4 (Delphi 7)' || fail "the printout does not hold the report: $pdf"
